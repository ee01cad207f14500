#include <cmath>

#include "deletion/tally.h"

std::string sizeText(int64_t bytes) {
  const double megabytes = static_cast<double>(bytes) / 1048576.0;
  // The tolerance keeps a count just under 1 MB from rounding up to "MB".
  if (megabytes - 1.0 < -1e-07) {
    const auto kilobytes = static_cast<int64_t>(std::trunc(bytes / 1024.0));
    return std::to_string(kilobytes) + "KB";
  }
  return std::to_string(static_cast<int64_t>(std::trunc(megabytes))) + "MB";
}
