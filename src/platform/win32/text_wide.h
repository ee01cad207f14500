// The boundary between the program's texts and the W functions of
// Windows: code page 936 whatever the system's own code page is.
#pragma once

#include <string>

std::wstring wideFromText(const std::string& gbk);
std::string textFromWide(const std::wstring& wide);
