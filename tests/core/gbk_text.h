// Test texts are GBK, as in the program; failures print them as UTF-8.
#pragma once

#include <string>
#include <vector>

std::string utf8(const std::string& gbk);
std::vector<std::string> utf8(const std::vector<std::string>& gbk);

#define EXPECT_TEXT(actual, expected) EXPECT_EQ(utf8(actual), utf8(expected))
#define EXPECT_TEXTS(actual, ...) \
  EXPECT_EQ(utf8(actual), utf8(std::vector<std::string>{__VA_ARGS__}))
