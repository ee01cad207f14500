#include "deletion/tally.h"

// Whole units by integer division, which truncates toward zero at every
// size; a double would round sizes above 2^53 bytes up.
std::string sizeText(int64_t bytes) {
  constexpr int64_t kMegabyte = 1048576;
  if (bytes < kMegabyte) return std::to_string(bytes / 1024) + "KB";
  return std::to_string(bytes / kMegabyte) + "MB";
}
