#include <gtest/gtest.h>

#include "base/random.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Every test starts from the same generator state.
  kervale::rng().seed(20030113);
  return RUN_ALL_TESTS();
}
