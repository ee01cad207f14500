#include "platform/system.h"

std::string bytesToText(const std::string& bytes) {
  return bytes.substr(0, bytes.find('\0'));
}
