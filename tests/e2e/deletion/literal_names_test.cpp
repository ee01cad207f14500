// The entry named is the entry deleted, and nothing outside it: names a
// plain Windows path strips or takes for a device, links swapped in while
// a folder is being deleted, names holding "\", and depth past 260
// characters. The files are made from Linux, as Git Bash, WSL or a Linux
// tree leaves them.
#include <gtest/gtest.h>

#include <iostream>

#include "copied_program.h"
#include "unix_links.h"
#include "waiting.h"

namespace {

class LiteralNames : public CopiedProgram {
 protected:
  // Whatever a scenario left (names Windows cannot spell, links) goes with
  // rm, which never follows a link.
  void TearDown() override {
    EXPECT_TRUE(e2e::runUnixIn(e2e::narrow(workFolder),
                               "chmod -R u+w . && rm -rf -- * .[!.]* || true"));
  }

  void unix(const std::string& command) {
    ASSERT_TRUE(e2e::runUnixIn(e2e::narrow(workFolder), command)) << command;
  }

  bool there(const std::string& name) {
    return e2e::existsLiterally(workPath(name));
  }

  // Types the path, checks the size shown, deletes with confirmation and
  // returns the box that reports the result (answered).
  std::string deleteTyped(const std::string& path, const std::string& size) {
    typePath(path);
    EXPECT_TEXT(e2e::text(program, "标签4"), size);
    const e2e::Box result = deleteConfirmed();
    if (!result) return "<no box>";
    close(result);
    return result.text;
  }
};

POINT overTheList() { return {8 + 536 / 2, 104 + 88 / 2}; }

// Beside "abc" (5 KB), "abc." (3 KB) is shown, deleted and reported; the
// same for a trailing blank and a folder with a trailing dot.
TEST_F(LiteralNames, TheSiblingWithATrailingDotOrBlankIsNotTouched) {
  unix(
      "head -c 5120 /dev/zero > abc && head -c 3072 /dev/zero > abc. && "
      "head -c 6144 /dev/zero > 'def ' && head -c 2048 /dev/zero > def && "
      "mkdir dir dir. && touch dir/keep dir./f");
  const std::string abcDot = workPath("abc.");
  EXPECT_TEXT(deleteTyped(abcDot, "文件大小：3KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(),
              "手动删除成功！（1）文件：" + abcDot + "——文件大小：3KB");
  const std::string defBlank = workPath("def ");
  EXPECT_TEXT(deleteTyped(defBlank, "文件大小：6KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(),
              "手动删除成功！（2）文件：" + defBlank + "——文件大小：6KB");
  const std::string dirDot = workPath("dir.");
  EXPECT_TEXT(deleteTyped(dirDot, "文件大小：0KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(), "手动删除成功！（3）目录：" + dirDot);
  EXPECT_TEXT(e2e::text(program, "标签5"), "合计清理大小（约）：9KB");

  EXPECT_FALSE(there("abc."));
  EXPECT_FALSE(there("def "));
  EXPECT_FALSE(there("dir."));
  EXPECT_TRUE(there("abc"));
  EXPECT_TRUE(there("def"));
  EXPECT_TRUE(there("dir\\keep"));
}

TEST_F(LiteralNames, AFolderOfNamesWindowsCannotSpellGoesCompletely) {
  unix(
      "mkdir -p 源码/dir. 源码/prn && cd 源码 && touch nul con aux.txt com1 "
      "abc. 'abc ' 'x. .' dir./f prn/f");
  const std::string folder = workPath("源码");
  EXPECT_TEXT(deleteTyped(folder, "文件大小：0KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(), "手动删除成功！（1）目录：" + folder);
  EXPECT_FALSE(there("源码"));
}

// A file named like a device, typed: it is found, measured and deleted;
// before, its path was taken for a device and the box said it was missing.
TEST_F(LiteralNames, DeviceNamesTypedAreFiles) {
  unix(
      "head -c 2048 /dev/zero > nul && head -c 1024 /dev/zero > con && "
      "mkdir com1 && touch com1/x");
  EXPECT_TEXT(deleteTyped(workPath("nul"), "文件大小：2KB"), "删除成功！");
  EXPECT_TEXT(deleteTyped(workPath("con"), "文件大小：1KB"), "删除成功！");
  EXPECT_TEXT(deleteTyped(workPath("com1"), "文件大小：0KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(), "手动删除成功！（3）目录：" + workPath("com1"));
  EXPECT_FALSE(there("nul"));
  EXPECT_FALSE(there("con"));
  EXPECT_FALSE(there("com1"));
}

// The same names dropped from a file manager, with auto delete on.
TEST_F(LiteralNames, DeviceAndTrailingDotNamesDroppedAreFiles) {
  unix(
      "head -c 4096 /dev/zero > abc && head -c 1024 /dev/zero > abc. && "
      "head -c 3072 /dev/zero > aux.txt");
  e2e::click(program, "选择框1");
  ASSERT_TRUE(e2e::settle(program));
  ASSERT_TRUE(e2e::isChecked(program, "选择框1"));
  for (const char* name : {"abc.", "aux.txt"}) {
    const std::string path = workPath(name);
    const e2e::DropResult drop = e2e::dropFiles(program, {path}, overTheList());
    ASSERT_TRUE(drop.finished) << name;
    ASSERT_TRUE(e2e::settle(program));
    EXPECT_FALSE(e2e::openBox(program)) << name;
    EXPECT_FALSE(there(name)) << name;
    EXPECT_TEXT(e2e::text(program, "编辑框1"), path);
  }
  const std::vector<std::string> shown = e2e::listItems(program, "列表框1");
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TEXT(shown[1],
              "删除成功！（1）文件" + workPath("abc.") + "——文件大小：1KB");
  EXPECT_TEXT(shown[2],
              "删除成功！（2）文件" + workPath("aux.txt") + "——文件大小：3KB");
  EXPECT_TRUE(there("abc"));
}

// A Unix name may hold "\": "..\..\canary.txt" inside the folder names
// nothing two levels up. It stays, so the folder reports failure.
TEST_F(LiteralNames, ANameHoldingBackslashesStaysInsideItsFolder) {
  unix(
      "mkdir -p 上/目标 && printf keep | tee canary.txt 上/canary.txt "
      ">/dev/null && touch '上/目标/..\\..\\canary.txt' "
      "'上/目标/..\\canary.txt' 上/目标/自己的.txt");
  const std::string target = workPath("上\\目标");
  EXPECT_TEXT(deleteTyped(target, "文件大小：0KB"), "删除失败！");
  EXPECT_TEXT(lastLogLine(), "删除失败！" + target);
  EXPECT_TRUE(there("canary.txt"));
  EXPECT_TRUE(there("上\\canary.txt"));
  EXPECT_FALSE(there("上\\目标\\自己的.txt"));
}

// A chain of folders far deeper than 260 characters goes whole.
TEST_F(LiteralNames, AChainDeeperThan260CharactersGoesWhole) {
  std::string chain = "链";
  for (int level = 0; level < 30; ++level)
    chain += "/第" + std::to_string(level) + "层xxxxxxxxxxxxxxxx";
  unix("mkdir -p " + chain + " && touch " + chain + "/最深的文件.txt");
  ASSERT_GT(workPath(chain).size(), 600u);
  const std::string top = workPath("链");
  EXPECT_TEXT(deleteTyped(top, "文件大小：0KB"), "删除成功！");
  EXPECT_TEXT(lastLogLine(), "手动删除成功！（1）目录：" + top);
  EXPECT_FALSE(there("链"));
}

// While a large folder is being deleted, a folder it has not reached yet
// is replaced by a link to a folder outside. The walk must never follow
// it: the outside canary survives every trial.
TEST_F(LiteralNames, AFolderSwappedForALinkDuringTheWalkIsNeverFollowed) {
  unix(
      "mkdir -p 外面/子 && printf keep | tee 外面/canary.txt "
      "外面/子/canary.txt >/dev/null");
  for (int trial = 1; trial <= 3; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    // 60 folders of 50 files, then the folder to be swapped (last by name).
    unix(
        "rm -rf 大目录 换下的 swapped && mkdir 大目录 && cd 大目录 && for d in "
        "$(seq -w 1 60); do mkdir d$d && (cd d$d && touch $(seq -f f%02g 1 "
        "50)); done && mkdir zz && touch zz/own.txt");
    // Swaps as soon as the first folder is gone: long before the walk
    // reaches zz. Records whether the swap came in time.
    const std::string work = e2e::unixPath(e2e::narrow(workFolder));
    unix("(cd '" + work +
         "' && n=0; while [ -e 大目录/d01 ] && [ $n -lt "
         "3000 ]; do sleep 0.005; n=$((n+1)); done; if mv 大目录/zz 换下的; "
         "then ln -s '" +
         work +
         "/外面' 大目录/zz && echo yes > swapped; "
         "else echo late > swapped; fi) > /dev/null 2>&1 & true");
    const std::string folder = workPath("大目录");
    typePath(folder);
    const e2e::Box result = deleteConfirmed();
    ASSERT_TRUE(result);
    close(result);
    ASSERT_TRUE(e2e::waitUntil([&] { return there("swapped"); }));
    unix(
        "grep -q yes swapped");  // the link was there before the walk got there
    std::cout << "[ trial " << trial << " ] box \"" << result.text << "\"\n";
    EXPECT_TRUE(there("外面\\canary.txt"));
    EXPECT_TRUE(there("外面\\子\\canary.txt"));
    EXPECT_TRUE(there("外面\\子"));
    // Wine cannot remove a Unix link as a link: it stays, and says so.
    EXPECT_TEXT(result.text, "删除失败！");
    EXPECT_FALSE(there("大目录\\d01"));
    EXPECT_FALSE(there("大目录\\d60"));
    EXPECT_TRUE(there("换下的\\own.txt"));
    unix("rm -f 大目录/zz");
  }
}

}  // namespace
