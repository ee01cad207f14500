// deleteFolder on real trees. Roots are covered without touching any file
// in volume_root_test.cpp.
#include <windows.h>

#include "platform/win32/text_wide.h"
#include "system_test_support.h"

namespace {

class DeleteFolderTest : public FolderTest {
 protected:
  // 目录 with files and folders mixed, three levels deep.
  void makeTree() {
    makeFolder("目录");
    makeFile("目录\\说明.txt");
    makeFolder("目录\\子目录");
    makeFile("目录\\子目录\\数据.bin", std::string(70000, '\x5c'));
    makeFolder("目录\\子目录\\奬");  // GBK trail byte 0x5C in the name
    makeFile("目录\\子目录\\奬\\深.txt");
    makeFolder("目录\\空目录");
    makeFile("目录\\z.txt");
  }
};

TEST_F(DeleteFolderTest, RemovesANestedTree) {
  makeTree();
  EXPECT_TRUE(sys.deleteFolder(path("目录")));
  EXPECT_FALSE(present("目录"));
}

TEST_F(DeleteFolderTest, IgnoresLeadingBlanksAndATrailingBackslash) {
  makeTree();
  EXPECT_TRUE(sys.deleteFolder("  " + path("目录") + "\\"));
  EXPECT_FALSE(present("目录"));
}

TEST_F(DeleteFolderTest, DeletesAllItCanAroundAReadOnlyFile) {
  makeTree();
  setReadOnly("目录\\子目录\\奬\\深.txt");
  EXPECT_FALSE(sys.deleteFolder(path("目录")));
  EXPECT_EQ(listing("目录"), std::vector<std::string>{"子目录"});
  EXPECT_EQ(listing("目录\\子目录"), std::vector<std::string>{"奬"});
  EXPECT_EQ(listing("目录\\子目录\\奬"), std::vector<std::string>{"深.txt"});
}

TEST_F(DeleteFolderTest, LeavesAFileNamedAsAFolder) {
  makeFile("文件.txt", "keep");
  EXPECT_FALSE(sys.deleteFolder(path("文件.txt")));
  EXPECT_EQ(contents("文件.txt"), "keep");
}

TEST_F(DeleteFolderTest, AMissingFolderIsNotDeleted) {
  EXPECT_FALSE(sys.deleteFolder(path("缺少")));
}

// Under Wine a Unix link to a folder is what a junction is on Windows.
TEST_F(DeleteFolderTest, NeverDeletesThroughALinkedFolder) {
  makeTree();
  makeFolder("外面");
  makeFile("外面\\重要.txt", "keep");
  makeFolder("外面\\子");
  makeFile("外面\\子\\也重要.txt", "keep");
  makeFolder("空的外面");
  ASSERT_EQ(runUnix("ln -s '" + unixPath("外面") + "' '" +
                    unixPath("目录\\子目录\\链接") + "'"),
            0);
  ASSERT_EQ(runUnix("ln -s '" + unixPath("空的外面") + "' '" +
                    unixPath("目录\\空链接") + "'"),
            0);
  ASSERT_TRUE(sys.exists(path("目录\\子目录\\链接\\重要.txt")));

  // Wine cannot remove a Unix link as a link, so the folder may stay; the
  // result says whether it went.
  const bool gone = sys.deleteFolder(path("目录"));
  EXPECT_EQ(gone, !present("目录"));

  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_EQ(contents("外面\\子\\也重要.txt"), "keep");
  EXPECT_TRUE(present("空的外面"));
  // Everything else under the folder went.
  EXPECT_FALSE(present("目录\\说明.txt"));
  EXPECT_FALSE(present("目录\\子目录\\奬"));
  EXPECT_FALSE(present("目录\\空目录"));
}

TEST_F(DeleteFolderTest, ALinkGivenAsTheFolderLeavesItsTargetAlone) {
  makeFolder("外面");
  makeFile("外面\\重要.txt", "keep");
  makeFolder("空的外面");
  ASSERT_EQ(
      runUnix("ln -s '" + unixPath("外面") + "' '" + unixPath("链接") + "'"),
      0);
  ASSERT_EQ(runUnix("ln -s '" + unixPath("空的外面") + "' '" +
                    unixPath("空链接") + "'"),
            0);
  for (const char* link : {"链接", "链接\\", "空链接"}) {
    // Wine cannot remove a Unix link as a link: it stays, and says so.
    EXPECT_EQ(sys.deleteFolder(path(link)), !present(link)) << link;
  }
  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_TRUE(present("空的外面"));
  EXPECT_TRUE(present("链接\\重要.txt"));
}

}  // namespace
