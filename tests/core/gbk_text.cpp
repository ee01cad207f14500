#include "gbk_text.h"

#include "platform/iconv_encoding.h"

std::string gbk(const std::string& text) {
  return convertWithIconv(text, "UTF-8", "GBK");
}
