#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kervale::test {

// The printed parameter as a case name: letters and digits, every other run
// of characters one underscore ("0.9 drawing 91" becomes "0_9_drawing_91").
std::string caseName(const std::string& printed);

// Names each case of a parameterised test after its printed parameter (its
// PrintTo), so that the list and a failure say which case it is.
struct PrintedCaseName {
  template <class T>
  std::string operator()(const ::testing::TestParamInfo<T>& info) const {
    return caseName(::testing::PrintToString(info.param));
  }
};

}  // namespace kervale::test
