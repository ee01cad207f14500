// The GBK forms that stored files and servers use. The program's own texts
// are UTF-8; these conversions go through the system's convertEncoding.
#pragma once

#include <string>

#include "platform/system.h"

// The text in GBK; each character that GBK cannot hold becomes one "?".
std::string gbkFromText(System& sys, const std::string& text);
// GBK bytes as a text; each byte that begins no GBK character becomes "?".
std::string textFromGbk(System& sys, const std::string& gbk);
