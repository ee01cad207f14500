// writeFile on real files: whole files or nothing.
#include <windows.h>

#include "platform/win32/text_wide.h"
#include "system_test_support.h"

namespace {

using WriteFileTest = FolderTest;

TEST_F(WriteFileTest, WritesExactlyTheBytes) {
  const std::string bytes("记录\r\n\0\xff\x80 end", 13);
  ASSERT_TRUE(sys.writeFile(path("2025年记录.txt"), bytes));
  EXPECT_EQ(contents("2025年记录.txt"), bytes);
  ASSERT_TRUE(sys.writeFile(path("空.txt"), ""));
  EXPECT_EQ(contents("空.txt"), "");
  EXPECT_EQ(listing(), (std::vector<std::string>{"2025年记录.txt", "空.txt"}));
}

TEST_F(WriteFileTest, ReplacesALongerFileWhole) {
  makeFile("记录.txt", std::string(100000, 'o'));
  ASSERT_TRUE(sys.writeFile(path("记录.txt"), "new"));
  EXPECT_EQ(contents("记录.txt"), "new");
  EXPECT_EQ(listing(), std::vector<std::string>{"记录.txt"});
}

TEST_F(WriteFileTest, RelativeToTheWorkingDirectory) {
  makeFolder("程序");
  ASSERT_TRUE(sys.setWorkingDirectory(path("程序")));
  ASSERT_TRUE(sys.writeFile("记录.txt", "x"));
  EXPECT_EQ(contents("程序\\记录.txt"), "x");
}

TEST_F(WriteFileTest, FailuresLeaveNothingBehind) {
  makeFolder("文件夹");
  EXPECT_FALSE(sys.writeFile(path("缺少\\记录.txt"), "x"));
  EXPECT_FALSE(sys.writeFile(path("文件夹"), "x"));
  EXPECT_FALSE(sys.writeFile(path("文件夹") + "\\", "x"));
  EXPECT_FALSE(sys.writeFile("", "x"));
  EXPECT_EQ(listing(), std::vector<std::string>{"文件夹"});
  EXPECT_EQ(listing("文件夹"), std::vector<std::string>{});
}

TEST_F(WriteFileTest, AReadOnlyFileStaysAsItWas) {
  makeFile("只读.txt", "old");
  setReadOnly("只读.txt");
  EXPECT_FALSE(sys.writeFile(path("只读.txt"), "new"));
  EXPECT_EQ(contents("只读.txt"), "old");
  EXPECT_EQ(listing(), std::vector<std::string>{"只读.txt"});
}

TEST_F(WriteFileTest, AFileInUseStaysAsItWas) {
  makeFile("使用中.txt", "old");
  HANDLE held =
      CreateFileW(wideFromText(path("使用中.txt")).c_str(), GENERIC_READ, 0,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(sys.writeFile(path("使用中.txt"), "new"));
  CloseHandle(held);
  EXPECT_EQ(contents("使用中.txt"), "old");
  EXPECT_EQ(listing(), std::vector<std::string>{"使用中.txt"});
}

}  // namespace
