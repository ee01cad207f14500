#include <cstdint>
#include <limits>

#include "app/program.h"

namespace {

// Sizes come from the file system, so no pair of them may wrap the total
// around: it stops at the largest (or smallest) figure instead.
int64_t saturatingSum(int64_t a, int64_t b) {
  constexpr int64_t kMost = std::numeric_limits<int64_t>::max();
  constexpr int64_t kLeast = std::numeric_limits<int64_t>::min();
  if (b > 0 && a > kMost - b) return kMost;
  if (b < 0 && a < kLeast - b) return kLeast;
  return a + b;
}

}  // namespace

void showTargetSize(Program& p, int64_t size) {
  p.tally.lastMeasuredSize = size;
  p.ui.setText(mainControl("标签4"), "文件大小：" + sizeText(size));
}

void recordFileDeleted(Program& p) { ++p.tally.filesDeleted; }

void addCleanedBytes(Program& p) {
  p.tally.cleanedBytes =
      saturatingSum(p.tally.cleanedBytes, p.tally.lastMeasuredSize);
  p.ui.setText(mainControl("标签5"),
               "合计清理大小（约）：" + sizeText(p.tally.cleanedBytes));
}

void recordDirectoryDeleted(Program& p) { ++p.tally.directoriesDeleted; }

std::string deletedSoFar(const Program& p) {
  return std::to_string(int64_t{p.tally.filesDeleted} +
                        p.tally.directoriesDeleted);
}

std::string countsText(const Program& p) {
  return "当前已删除：" + std::to_string(p.tally.filesDeleted) + "个文件，" +
         std::to_string(p.tally.directoriesDeleted) + "个目录";
}
