// Byte search in GBK text, by whole characters.
#pragma once

#include <string>

// 1-based byte position of the first occurrence of tag, or -1. A match never
// starts on the second byte of a double-byte character.
int findText(const std::string& text, const std::string& tag);
// count bytes from 1-based position start, clipped at the end; empty when
// start < 1, start is past the end, or count <= 0.
std::string midText(const std::string& text, int start, int count);
