#include "gbk_text.h"

#include "platform/iconv_encoding.h"

std::string utf8(const std::string& gbk) {
  if (gbk.empty()) return gbk;
  const std::string converted = convertWithIconv(gbk, "GBK", "UTF-8");
  return converted.empty() ? "<not GBK: " + gbk + ">" : converted;
}

std::vector<std::string> utf8(const std::vector<std::string>& gbk) {
  std::vector<std::string> out;
  for (const std::string& text : gbk) out.push_back(utf8(text));
  return out;
}
