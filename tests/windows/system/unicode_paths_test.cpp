// Paths in any script through the system operations: each names exactly
// its own entry, and no character ever turns into a wildcard.
#include <vector>

#include "system_test_support.h"

namespace {

using UnicodePaths = FolderTest;
using Names = std::vector<std::string>;

// Through GBK "사진.txt" would read "??.txt", a pattern that finds ab.txt.
TEST_F(UnicodePaths, AHangulNameIsMeasuredAndDeletedAlone) {
  makeFile("사진.txt", std::string(3 * 1024, 'x'));
  makeFile("ab.txt", std::string(5 * 1024, 'x'));
  EXPECT_TRUE(sys.exists(path("사진.txt")));
  EXPECT_EQ(sys.fileSize(path("사진.txt")), 3 * 1024);
  EXPECT_TRUE(sys.deleteFile(path("사진.txt")));
  EXPECT_EQ(listing(), Names{"ab.txt"});
  EXPECT_FALSE(sys.exists(path("사진.txt")));
  EXPECT_EQ(sys.fileSize(path("사진.txt")), -1);
}

// An emoji is two UTF-16 units; as two "?" it would match "фото12".
TEST_F(UnicodePaths, ACyrillicFolderWithAnEmojiGoesAloneWithItsContents) {
  makeFolder("фото😀");
  makeFile("фото😀\\사진.txt");
  makeFolder("фото😀\\дети");
  makeFile("фото😀\\дети\\😀.jpg");
  makeFolder("фото12");
  makeFile("фото12\\keep.txt");
  EXPECT_TRUE(sys.exists(path("фото😀")));
  EXPECT_EQ(sys.fileSize(path("фото😀")), 0);
  EXPECT_FALSE(sys.deleteFile(path("фото😀")));
  EXPECT_TRUE(sys.deleteFolder(path("фото😀")));
  EXPECT_EQ(listing(), Names{"фото12"});
  EXPECT_EQ(listing("фото12"), Names{"keep.txt"});
}

TEST_F(UnicodePaths, RecordsAndTheWorkingDirectoryTakeAnyName) {
  makeFolder("фото😀");
  ASSERT_TRUE(sys.writeFile(path("фото😀\\记录사진.txt"), "\xB9\xAB"));
  EXPECT_EQ(contents("фото😀\\记录사진.txt"), "\xB9\xAB");
  ASSERT_TRUE(sys.setWorkingDirectory(path("фото😀")));
  EXPECT_EQ(sys.fileSize("记录사진.txt"), 2);
}

// A text that is not UTF-8 names nothing: it never becomes "a?.txt".
TEST_F(UnicodePaths, ATextThatIsNotUtf8NamesNothing) {
  makeFile("ab.txt");
  makeFolder("ab");
  for (const std::string& notUtf8 : {path("a\xFF.txt"), path("a\xFF")}) {
    EXPECT_FALSE(sys.exists(notUtf8));
    EXPECT_EQ(sys.fileSize(notUtf8), -1);
    EXPECT_FALSE(sys.deleteFile(notUtf8));
    EXPECT_FALSE(sys.deleteFolder(notUtf8));
    EXPECT_FALSE(sys.writeFile(notUtf8, "x"));
  }
  EXPECT_EQ(listing(), (Names{"ab", "ab.txt"}));
}

}  // namespace
