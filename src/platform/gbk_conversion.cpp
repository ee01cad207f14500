#include "platform/gbk_conversion.h"

namespace {

bool isAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// The length of the UTF-8 character at `i`: its first byte and the
// continuation bytes after it.
size_t characterLength(const std::string& text, size_t i) {
  size_t length = 1;
  while (length < 4 && i + length < text.size() &&
         (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

// One line: whole when it can be, else character by character.
std::string gbkLine(System& sys, const std::string& line) {
  const std::string whole = sys.convertEncoding(line, "UTF-8", "GBK");
  if (!whole.empty() || line.empty()) return whole;
  std::string gbk;
  for (size_t i = 0; i < line.size();) {
    if (isAscii(line[i])) {
      gbk += line[i++];
      continue;
    }
    const size_t length = characterLength(line, i);
    const std::string one =
        sys.convertEncoding(line.substr(i, length), "UTF-8", "GBK");
    gbk += one.empty() ? "?" : one;
    i += length;
  }
  return gbk;
}

}  // namespace

std::string gbkFromText(System& sys, const std::string& text) {
  const std::string whole = sys.convertEncoding(text, "UTF-8", "GBK");
  if (!whole.empty() || text.empty()) return whole;
  // Something in it has no GBK form: only its lines go one by one.
  std::string gbk;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1)
    gbk += gbkLine(sys, text.substr(start, end - start)) + '\n';
  return gbk + gbkLine(sys, text.substr(start));
}

std::string textFromGbk(System& sys, const std::string& gbk) {
  const std::string whole = sys.convertEncoding(gbk, "GBK", "UTF-8");
  if (!whole.empty() || gbk.empty()) return whole;
  // A double-byte character where the pair is one, else the byte alone.
  std::string text;
  for (size_t i = 0; i < gbk.size();) {
    if (isAscii(gbk[i])) {
      text += gbk[i++];
      continue;
    }
    const std::string pair =
        sys.convertEncoding(gbk.substr(i, 2), "GBK", "UTF-8");
    if (!pair.empty()) {
      text += pair;
      i += 2;
      continue;
    }
    const std::string single =
        sys.convertEncoding(gbk.substr(i, 1), "GBK", "UTF-8");
    text += single.empty() ? "?" : single;
    ++i;
  }
  return text;
}
