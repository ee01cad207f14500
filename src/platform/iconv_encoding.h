// convertEncoding on the C library's iconv (the native build's).
#pragma once

#include <string>

std::string convertWithIconv(const std::string& bytes, const std::string& from,
                             const std::string& to);
