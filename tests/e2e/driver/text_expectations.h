// Comparing the program's texts (UTF-8) in scenarios. On failure both texts
// are printed in full, each on a line of its own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"

namespace e2e {

inline testing::AssertionResult sameText(const std::string& actual,
                                         const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "  shown: \"" << actual << "\"\nwanted: \"" << expected << "\"";
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
