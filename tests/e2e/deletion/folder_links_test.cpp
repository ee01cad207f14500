// Links to other folders must never lead the delete button outside its
// target. Under Wine a Unix link to a folder stands for a junction.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "copied_program.h"
#include "unix_links.h"

namespace {

class FolderLinks : public CopiedProgram {
 protected:
  // A folder outside the target, with files at two levels, and an empty one
  // (removing a Wine link to an empty folder removes that folder).
  void SetUp() override {
    CopiedProgram::SetUp();
    if (HasFatalFailure()) return;
    outside = makeFolder("外面");
    makeFolder("外面\\子");
    outsideFiles = {makeFile("外面\\重要.txt", 1000),
                    makeFile("外面\\子\\也重要.txt", 2000)};
    emptyOutside = makeFolder("空的外面");
  }

  // The links go, so the work folder can be removed when the run ends.
  void TearDown() override {
    for (const std::string& link : links)
      EXPECT_TRUE(e2e::removeUnixLink(link)) << link;
  }

  bool makeLink(const std::string& target, const std::string& link) {
    links.push_back(link);
    return e2e::makeUnixLink(target, link);
  }

  void expectOutsideUntouched() {
    EXPECT_TRUE(e2e::exists(outside));
    for (const std::string& file : outsideFiles)
      EXPECT_TRUE(e2e::exists(file)) << file;
    EXPECT_TRUE(e2e::exists(emptyOutside));
  }

  // The program may not be able to remove a link as a link; either way its
  // report must match what happened to `path`.
  void expectReportMatches(const e2e::Box& result, const std::string& path) {
    const std::string line = e2e::text(program, "标签2");
    std::cout << "[ reported ] box \"" << result.text << "\", line \"" << line
              << "\", target " << (e2e::exists(path) ? "still there" : "gone")
              << "\n";
    if (e2e::exists(path)) {
      EXPECT_TEXT(result.text, "删除失败！");
      EXPECT_TEXT(line, "删除失败！" + path);
    } else {
      EXPECT_TEXT(result.text, "删除成功！");
      EXPECT_TEXT(line, "手动删除成功！（1）目录：" + path);
    }
    EXPECT_TEXT(lastLogLine(), line);
  }

  std::string outside;
  std::vector<std::string> outsideFiles;
  std::string emptyOutside;
  std::vector<std::string> links;
};

TEST_F(FolderLinks, DeletingAFolderNeverReachesThroughALinkInside) {
  const std::string folder = makeFolder("带链接的目录");
  makeFolder("带链接的目录\\子目录");
  const std::string own[] = {
      makeFile("带链接的目录\\自己的.txt", 3000),
      makeFile("带链接的目录\\子目录\\自己的2.txt", 3000)};
  ASSERT_TRUE(makeLink(outside, folder + "\\链接"));
  ASSERT_TRUE(makeLink(emptyOutside, folder + "\\子目录\\空链接"));
  ASSERT_TRUE(e2e::exists(folder + "\\链接\\子\\也重要.txt"));
  typePath(folder);

  const e2e::Box result = deleteConfirmed();
  ASSERT_TRUE(result);
  close(result);

  expectOutsideUntouched();
  for (const std::string& file : own) EXPECT_FALSE(e2e::exists(file)) << file;
  expectReportMatches(result, folder);
}

// The link itself typed into the path box: deleting it may remove the link
// but never what it points to.
TEST_F(FolderLinks, DeletingALinkLeavesItsTargetAlone) {
  const std::string link = workPath("指向外面的链接");
  ASSERT_TRUE(makeLink(outside, link));
  typePath(link);

  const e2e::Box result = deleteConfirmed();
  ASSERT_TRUE(result);
  close(result);

  expectOutsideUntouched();
  expectReportMatches(result, link);
}

}  // namespace
