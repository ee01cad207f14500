#include "online/text_search.h"

int64_t findText(const std::string& text, const std::string& tag) {
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, tag.size(), tag) == 0 && i + tag.size() <= text.size())
      return static_cast<int64_t>(i) + 1;
    i += (static_cast<unsigned char>(text[i]) & 0x80) ? 2 : 1;
  }
  return -1;
}

std::string midText(const std::string& text, int64_t start, int64_t count) {
  if (start < 1 || static_cast<uint64_t>(start) > text.size() || count <= 0)
    return std::string();
  return text.substr(static_cast<size_t>(start) - 1,
                     static_cast<size_t>(count));
}
