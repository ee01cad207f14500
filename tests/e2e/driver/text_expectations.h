// Comparing the program's GBK texts in scenarios. On failure both texts are
// printed as UTF-8 (the test output is read on Linux), and the compared
// expressions are not echoed: they would be GBK bytes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"

namespace e2e {

inline testing::AssertionResult sameText(const std::string& actual,
                                         const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "  shown: \"" << utf8(actual) << "\"\nwanted: \"" << utf8(expected)
         << "\"";
}

}  // namespace e2e

#define EXPECT_TEXT(actual, expected)                                          \
  do {                                                                         \
    const ::testing::AssertionResult same = ::e2e::sameText(actual, expected); \
    if (!same) ADD_FAILURE() << same.message();                                \
  } while (0)

#define ASSERT_TEXT(actual, expected)                                          \
  do {                                                                         \
    const ::testing::AssertionResult same = ::e2e::sameText(actual, expected); \
    if (!same) GTEST_FAIL() << same.message();                                 \
  } while (0)
