#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace kervale::test {

// The game's world folder (world/ of the checkout) that the tests read.
std::filesystem::path worldFolder();

// Success when the world's files are in worldFolder(); otherwise a failure
// that says where they were looked for. A checkout without its world fails
// the tests that need it rather than leaving them out.
::testing::AssertionResult worldPresent();

}  // namespace kervale::test
