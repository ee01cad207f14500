// programFolder and now.
#include <windows.h>

#include <tuple>

#include "system_test_support.h"

namespace {

TEST(ProgramFolder, HoldsTheTestExeWithoutATrailingBackslash) {
  Win32System sys;
  const std::string folder = sys.programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(sys.exists(folder + "\\system_tests.exe")) << folder;
}

auto fields(const SYSTEMTIME& t) {
  return std::make_tuple(int(t.wYear), int(t.wMonth), int(t.wDay), int(t.wHour),
                         int(t.wMinute), int(t.wSecond));
}

TEST(Now, IsTheLocalTimeInWholeSeconds) {
  Win32System sys;
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  const DateTime now = sys.now();
  GetLocalTime(&after);
  const auto read = std::make_tuple(now.year, now.month, now.day, now.hour,
                                    now.minute, now.second);
  EXPECT_LE(fields(before), read);
  EXPECT_LE(read, fields(after));
}

}  // namespace
