// Membership of the GB2312 character set, for checking GBK text that must
// also be valid EUC-CN.
#pragma once

#include <string>

// True when the two bytes are a GB2312 character in EUC-CN form.
bool isGb2312Pair(unsigned char lead, unsigned char trail);
// True when every character of the GBK text is ASCII or a GB2312 pair.
bool isGb2312Text(const std::string& gbk);
