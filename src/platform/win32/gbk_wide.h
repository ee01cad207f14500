// The boundary between the program's GBK texts and the W functions of
// Windows: code page 936 whatever the system's own code page is.
#pragma once

#include <string>

std::wstring wideFromGbk(const std::string& gbk);
std::string gbkFromWide(const std::wstring& wide);
