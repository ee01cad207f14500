// Test texts are UTF-8, as in the program; gbk() gives the GBK bytes that
// stored files and servers hold, by glibc's iconv.
#pragma once

#include <string>
#include <vector>

std::string gbk(const std::string& text);

#define EXPECT_TEXT(actual, expected) EXPECT_EQ(actual, expected)
#define EXPECT_TEXTS(actual, ...) \
  EXPECT_EQ(actual, (std::vector<std::string>{__VA_ARGS__}))
