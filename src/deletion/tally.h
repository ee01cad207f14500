// The running tally of this run's deletions and the labels that show it.
#pragma once

#include <cstdint>
#include <string>

struct Program;

// One per process, zero at start-up, never reset or saved. Sizes are 64-bit
// so files over 2 GiB and large totals show their real figures.
struct DeletionTally {
  int32_t filesDeleted = 0;
  int32_t directoriesDeleted = 0;
  int64_t lastMeasuredSize = 0;  // -1 nothing found, 0 a folder
  int64_t cleanedBytes = 0;      // sizes measured at each file deletion
};

// Whole "KB" below 1048576 bytes, whole "MB" from there, toward zero.
std::string sizeText(int64_t bytes);

// Stores the size as the last measurement and shows it in 标签4.
void showTargetSize(Program& p, int64_t size);
void recordFileDeleted(Program& p);
// Adds the last measurement to the total and shows it in 标签5.
void addCleanedBytes(Program& p);
void recordDirectoryDeleted(Program& p);
// Files and folders deleted so far, as the running number of a log line.
std::string deletedSoFar(const Program& p);
// "当前已删除：N个文件，M个目录"
std::string countsText(const Program& p);
