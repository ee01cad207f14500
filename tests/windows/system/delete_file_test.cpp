// deleteFile on real files.
#include <windows.h>

#include "platform/win32/text_wide.h"
#include "system_test_support.h"

namespace {

using DeleteFileTest = FolderTest;

TEST_F(DeleteFileTest, RemovesTheFileForGood) {
  makeFile("旧报告.txt");
  makeFile("奬.txt");
  EXPECT_TRUE(sys.deleteFile(path("旧报告.txt")));
  EXPECT_TRUE(sys.deleteFile(path("奬.txt")));
  EXPECT_EQ(listing(), std::vector<std::string>{});
}

// Names a plain path strips or takes for a device, made from Linux: the
// entry named goes, its sibling stays.
TEST_F(DeleteFileTest, DeletesTheEntryNamedNotItsSibling) {
  ASSERT_EQ(runUnix("cd '" + unixPath("") +
                    "' && echo keep | tee abc abc. def 'def ' nul con aux.txt "
                    "com1 'x. .' > /dev/null"),
            0);
  for (const char* name :
       {"abc.", "def ", "nul", "con", "aux.txt", "com1", "x. ."})
    EXPECT_TRUE(sys.deleteFile(path(name))) << name;
  EXPECT_EQ(listing(), (std::vector<std::string>{"abc", "def"}));
  EXPECT_FALSE(sys.deleteFile(path("abc") + "\\"));
  EXPECT_EQ(contents("abc"), "keep\n");
}

TEST_F(DeleteFileTest, LeavesAReadOnlyFile) {
  makeFile("只读.txt", "keep");
  setReadOnly("只读.txt");
  EXPECT_FALSE(sys.deleteFile(path("只读.txt")));
  EXPECT_EQ(contents("只读.txt"), "keep");
}

TEST_F(DeleteFileTest, LeavesAFileHeldOpenWithoutSharing) {
  makeFile("使用中.txt", "keep");
  HANDLE held =
      CreateFileW(wideFromText(path("使用中.txt")).c_str(), GENERIC_READ, 0,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(sys.deleteFile(path("使用中.txt")));
  CloseHandle(held);
  EXPECT_EQ(contents("使用中.txt"), "keep");
}

TEST_F(DeleteFileTest, RefusesFoldersPatternsAndMissingFiles) {
  makeFolder("文件夹");
  makeFile("a.txt");
  EXPECT_FALSE(sys.deleteFile(path("文件夹")));
  EXPECT_FALSE(sys.deleteFile(path("*.txt")));
  EXPECT_FALSE(sys.deleteFile(path("缺少.txt")));
  EXPECT_FALSE(sys.deleteFile(""));
  EXPECT_EQ(listing(), (std::vector<std::string>{"a.txt", "文件夹"}));
}

// A Unix link to a file outside, named as the file to delete: Wine cannot
// remove the link as a link, and the file it points to is not the file
// named, so both stay. Names in another case still find their file.
TEST_F(DeleteFileTest, NeverDeletesWhatALinkPointsTo) {
  makeFolder("外面");
  makeFile("外面\\重要.txt", "keep");
  makeFile("Upper.TXT");
  ASSERT_EQ(runUnix("cd '" + unixPath("") +
                    "' && ln -s \"$PWD/外面/重要.txt\" 链接.txt"),
            0);
  EXPECT_FALSE(sys.deleteFile(path("链接.txt")));
  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_TRUE(sys.deleteFile(path("upper.txt")));
  EXPECT_EQ(listing(), (std::vector<std::string>{"外面", "链接.txt"}));
}

}  // namespace
