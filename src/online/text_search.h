// Byte search in GBK text (the notice in its GB2312 form), by whole
// characters. Positions are 64-bit, so they hold for a text of any length.
#pragma once

#include <cstdint>
#include <string>

// 1-based byte position of the first occurrence of tag, or -1. A match never
// starts on the second byte of a double-byte character.
int64_t findText(const std::string& text, const std::string& tag);
// count bytes from 1-based position start, clipped at the end; empty when
// start < 1, start is past the end, or count <= 0.
std::string midText(const std::string& text, int64_t start, int64_t count);
