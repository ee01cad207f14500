// exists and fileSize on real entries.
#include <windows.h>
#include <winioctl.h>

#include "platform/win32/text_wide.h"
#include "system_test_support.h"

namespace {

class FileEntries : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    makeFolder("资料");
    makeFile("资料\\报告.txt", std::string(12345, 'x'));
    makeFile("资料\\奬.dat", "ab");  // GBK trail byte 0x5C in the name
  }
};

TEST_F(FileEntries, FilesAndFoldersAreFoundAndMeasured) {
  struct {
    std::string path;
    bool exists;
    int64_t size;
  } cases[] = {
      {path("资料\\报告.txt"), true, 12345},
      {path("资料\\奬.dat"), true, 2},
      {path("资料"), true, 0},
      {path("资料\\*.txt"), true, 12345},  // a pattern: its first match
      {path("资料\\*.none"), false, -1},
      {path("资料\\缺少.txt"), false, -1},
      {path("缺少\\报告.txt"), false, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sys.exists(c.path), c.exists) << c.path;
    EXPECT_EQ(sys.fileSize(c.path), c.size) << c.path;
  }
}

// Siblings a plain path confuses, and device names, made from Linux: each
// is found and measured as itself.
TEST_F(FileEntries, TheEntryNamedIsTheOneMeasured) {
  ASSERT_EQ(runUnix("cd '" + unixPath("资料") +
                    "' && head -c 5000 /dev/zero > abc && head -c 3000 "
                    "/dev/zero > abc. && head -c 3100 /dev/zero > 'def ' && "
                    "head -c 5100 /dev/zero > def && head -c 7 /dev/zero > nul "
                    "&& head -c 8 /dev/zero > aux.txt && mkdir con dir. && "
                    "head -c 9 /dev/zero > dir./com1"),
            0);
  const struct {
    const char* name;
    int64_t size;
  } cases[] = {{"abc", 5000}, {"abc.", 3000}, {"def ", 3100},
               {"def", 5100}, {"nul", 7},     {"aux.txt", 8},
               {"con", 0},    {"dir.", 0},    {"dir.\\com1", 9}};
  for (const auto& c : cases) {
    const std::string typed = path("资料\\" + std::string(c.name));
    EXPECT_TRUE(sys.exists(typed)) << c.name;
    EXPECT_EQ(sys.fileSize(typed), c.size) << c.name;
  }
  EXPECT_FALSE(sys.exists(path("资料\\lpt1")));
  EXPECT_FALSE(sys.exists(path("资料\\abc..")));
}

TEST_F(FileEntries, TextsThatNameNoEntry) {
  for (const std::string& text :
       {std::string(), path("资料") + "\\", path("资料") + "/",
        path("资料\\报告.txt") + "\\", path("资料\\报告.txt") + "\r\n",
        path("资料\\报告.txt") + "\n", path("资料\\报告.txt\r\nx"),
        std::string("C:"), std::string("C:\\"), std::string("Z:\\"),
        std::string("c:/"), std::string("C:\\."), std::string("C:\\.."),
        std::string("\\\\.\\nul"), std::string("\\\\?\\C:\\"),
        "C:\\" + std::string(40000, 'a')}) {
    EXPECT_FALSE(sys.exists(text)) << text;
    EXPECT_EQ(sys.fileSize(text), -1) << text;
  }
}

TEST_F(FileEntries, RelativePathsResolveAgainstTheWorkingDirectory) {
  ASSERT_TRUE(sys.setWorkingDirectory(path("资料")));
  EXPECT_TRUE(sys.exists("报告.txt"));
  EXPECT_EQ(sys.fileSize("报告.txt"), 12345);
  EXPECT_FALSE(sys.setWorkingDirectory(path("缺少")));
}

TEST_F(FileEntries, ALockedFileIsMeasured) {
  HANDLE held =
      CreateFileW(wideFromText(path("资料\\报告.txt")).c_str(), GENERIC_READ, 0,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(sys.fileSize(path("资料\\报告.txt")), 12345);
  CloseHandle(held);
}

TEST_F(FileEntries, SizesBeyond4GiBAreWhole) {
  const int64_t size = 5LL * 1024 * 1024 * 1024 + 7;
  HANDLE file = CreateFileW(wideFromText(path("大文件.bin")).c_str(),
                            GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD unused = 0;  // sparse, so nothing is written (ext4 is so anyway)
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &unused,
                  nullptr);
  LARGE_INTEGER end;
  end.QuadPart = size;
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(file));
  CloseHandle(file);
  EXPECT_EQ(sys.fileSize(path("大文件.bin")), size);
}

}  // namespace
