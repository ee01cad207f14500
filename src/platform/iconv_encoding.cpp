#include "platform/iconv_encoding.h"

#include <iconv.h>

std::string convertWithIconv(const std::string& bytes, const std::string& from,
                             const std::string& to) {
  if (bytes.empty()) return std::string();
  iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
  // Four output bytes per input byte covers every charset pair used here.
  std::string out(bytes.size() * 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t converted = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  // Flush any shift state; a cut-off character leaves input unconsumed.
  const bool ok =
      converted != static_cast<size_t>(-1) && inLeft == 0 &&
      iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::string();
  out.resize(out.size() - outLeft);
  return out;
}
