// The boundary between the program's texts (UTF-8) and the W functions of
// Windows (UTF-16). Both directions are strict and lose nothing: a text
// that is not well-formed (invalid UTF-8, a lone surrogate) converts to the
// empty text rather than to a different one, so a path never turns into
// another path or a wildcard on its way.
#pragma once

#include <string>

std::wstring wideFromText(const std::string& text);
std::string textFromWide(const std::wstring& wide);

// Bytes in a Windows code page, strictly: empty when any byte sequence is
// not a character of it.
std::wstring wideFromCodePage(unsigned codePage, const std::string& bytes);
