// deleteFolder on real trees under Wine, and the walk's choices on the
// real calls with some of the system's answers changed. Roots are covered
// without touching any file in volume_root_test.cpp.
#include "platform/win32/delete_folder.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <mutex>
#include <set>

#include "platform/win32/nt_file_calls.h"
#include "platform/win32/text_wide.h"
#include "system_test_support.h"

namespace {

// ---- Calls between the walk and the system ---------------------------------
// The real calls, recorded, with answers changed where a test asks for it:
// what another system (or another moment) would answer.
struct Injection {
  std::set<std::wstring> idChanged;    // listed with another file id
  std::set<std::wstring> shownAsLink;  // listed and opened as a link itself
  bool posixAccepted = false;  // the POSIX disposition works (as on NTFS)
  bool refuseLongPlainPaths = false;  // as Windows without long paths
  std::map<std::wstring, std::function<void()>> beforeOpening;
  std::function<void()> afterMarking;

  std::map<HANDLE, std::wstring> names;  // the name each handle was opened by
  std::vector<std::wstring> log;
  std::set<DWORD> closingThreads;
  size_t pathOpens = 0;
  size_t longestName = 0;
};
Injection injection;
// Large folders have their handles closed on a second thread.
std::mutex injectionGuard;

std::wstring nameOf(HANDLE handle) {
  auto found = injection.names.find(handle);
  return found == injection.names.end() ? L"?" : found->second;
}

NTSTATUS injectedOpen(HANDLE folder, std::wstring_view name, ACCESS_MASK access,
                      ULONG options, HANDLE* opened) {
  const std::wstring text(name);
  std::unique_lock<std::mutex> guard(injectionGuard);
  if (folder) {
    injection.longestName = std::max(injection.longestName, name.size());
  } else {
    ++injection.pathOpens;
  }
  const bool literal = text.rfind(L"\\??\\", 0) == 0;
  if (injection.refuseLongPlainPaths && text.size() >= MAX_PATH &&
      (folder || !literal))
    return static_cast<NTSTATUS>(0xC0000106);  // name too long
  auto hook = injection.beforeOpening.find(text);
  if (hook != injection.beforeOpening.end()) hook->second();
  guard.unlock();
  const NTSTATUS status =
      kWindowsNtFileCalls.open(folder, name, access, options, opened);
  guard.lock();
  injection.log.push_back(
      L"open " + text +
      (options & FILE_DELETE_ON_CLOSE ? L" delete-on-close" : L""));
  if (NT_SUCCESS(status)) injection.names[*opened] = text;
  return status;
}

NTSTATUS injectedList(HANDLE folder, void* buffer, ULONG size,
                      std::wstring_view mask, bool first, ULONG* written) {
  const NTSTATUS status =
      kWindowsNtFileCalls.list(folder, buffer, size, mask, first, written);
  std::lock_guard<std::mutex> guard(injectionGuard);
  if (mask.empty()) injection.log.push_back(L"list " + nameOf(folder));
  if (!NT_SUCCESS(status)) return status;
  auto* record = static_cast<char*>(buffer);
  for (;;) {
    auto* entry = reinterpret_cast<FILE_ID_FULL_DIR_INFORMATION*>(record);
    const std::wstring name(entry->FileName,
                            entry->FileNameLength / sizeof(wchar_t));
    if (injection.idChanged.count(name)) entry->FileId.QuadPart += 1 << 20;
    if (injection.shownAsLink.count(name))
      entry->FileAttributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    if (!entry->NextEntryOffset) break;
    record += entry->NextEntryOffset;
  }
  return status;
}

NTSTATUS injectedQuery(HANDLE handle, void* information, ULONG size,
                       FILE_INFORMATION_CLASS informationClass) {
  const NTSTATUS status =
      kWindowsNtFileCalls.query(handle, information, size, informationClass);
  std::lock_guard<std::mutex> guard(injectionGuard);
  if (NT_SUCCESS(status) && informationClass == FileAttributeTagInformation &&
      injection.shownAsLink.count(nameOf(handle)))
    static_cast<FILE_ATTRIBUTE_TAG_INFORMATION*>(information)->FileAttributes |=
        FILE_ATTRIBUTE_REPARSE_POINT;
  return status;
}

NTSTATUS injectedSet(HANDLE handle, void* information, ULONG size,
                     FILE_INFORMATION_CLASS informationClass) {
  std::unique_lock<std::mutex> guard(injectionGuard);
  injection.log.push_back(L"set " + std::to_wstring(informationClass) + L" " +
                          nameOf(handle));
  NTSTATUS status;
  if (informationClass == kFileDispositionInformationEx &&
      injection.posixAccepted) {
    FILE_DISPOSITION_INFORMATION classic{TRUE};
    status = kWindowsNtFileCalls.set(handle, &classic, sizeof classic,
                                     FileDispositionInformation);
  } else {
    status =
        kWindowsNtFileCalls.set(handle, information, size, informationClass);
  }
  guard.unlock();
  if (NT_SUCCESS(status) && injection.afterMarking) injection.afterMarking();
  return status;
}

NTSTATUS injectedClose(HANDLE handle) {
  std::lock_guard<std::mutex> guard(injectionGuard);
  injection.names.erase(handle);
  injection.closingThreads.insert(GetCurrentThreadId());
  return kWindowsNtFileCalls.close(handle);
}

const NtFileCalls kInjected = {injectedOpen, injectedList, injectedQuery,
                               injectedSet, injectedClose};

size_t countOf(const std::wstring& line) {
  return std::count(injection.log.begin(), injection.log.end(), line);
}

// ---- Fixture
// -----------------------------------------------------------------
class DeleteFolderTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    injection = Injection();
  }

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

  bool deleteInjected(const std::string& name,
                      DeletionProgress* progress = nullptr) {
    return deleteFolderWith(wideFromText(path(name)), kInjected, progress);
  }

  // Names no Windows path can spell, made from Linux: a shell command
  // (GBK, single quotes only) run in the test's folder.
  void makeUnix(const std::string& shellCommand) {
    ASSERT_EQ(runUnix("cd '" + unixFolder_ + "' && " + shellCommand), 0)
        << shellCommand;
  }
  bool presentUnix(const std::string& relative) {
    const std::string at = "'" + unixFolder_ + "/" + relative + "'";
    return runUnix("test -e " + at + " -o -L " + at) == 0;
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

// The names Git Bash, WSL and Linux trees leave behind.
TEST_F(DeleteFolderTest, RemovesNamesAPlainPathCannotSpell) {
  makeUnix(
      "mkdir -p 目录/dir. 目录/prn && cd 目录 && touch nul con aux.txt com1 "
      "abc. 'abc ' 'x. .' dir./f prn/f");
  makeFile("旁边.txt", "keep");
  EXPECT_TRUE(sys.deleteFolder(path("目录")));
  EXPECT_FALSE(presentUnix("目录"));
  EXPECT_EQ(contents("旁边.txt"), "keep");
}

// A folder "dir." beside "dir", and "prn" typed: each is the one deleted.
TEST_F(DeleteFolderTest, TheFolderNamedIsTheOneDeleted) {
  makeUnix(
      "mkdir dir dir. prn 'sp ' sp && touch dir./f dir/keep prn/f "
      "'sp /f' sp/keep");
  EXPECT_TRUE(sys.deleteFolder(path("dir.")));
  EXPECT_TRUE(sys.deleteFolder(path("prn")));
  EXPECT_TRUE(sys.deleteFolder(path("sp ")));
  EXPECT_FALSE(presentUnix("dir."));
  EXPECT_FALSE(presentUnix("prn"));
  EXPECT_FALSE(presentUnix("sp "));
  EXPECT_TRUE(presentUnix("dir/keep"));
  EXPECT_TRUE(presentUnix("sp/keep"));
}

// A Unix name may hold "\": inside the folder it names nothing outside.
TEST_F(DeleteFolderTest, ANameWithBackslashesReachesNothingOutside) {
  makeUnix(
      "mkdir -p a/目录 && printf keep | tee canary.txt a/canary.txt >/dev/null "
      "&& "
      "touch 'a/目录/..\\..\\canary.txt' 'a/目录/..\\canary.txt' "
      "a/目录/own.txt");
  EXPECT_FALSE(sys.deleteFolder(path("a\\目录")));
  EXPECT_EQ(contents("canary.txt"), "keep");
  EXPECT_EQ(contents("a\\canary.txt"), "keep");
  EXPECT_FALSE(presentUnix("a/目录/own.txt"));
  EXPECT_TRUE(presentUnix("a/目录/..\\..\\canary.txt"));  // stays: failure
}

// Under Wine a Unix link to a folder is what a junction is on Windows.
TEST_F(DeleteFolderTest, NeverDeletesThroughALinkedFolder) {
  makeTree();
  makeFolder("外面");
  makeFile("外面\\重要.txt", "keep");
  makeFolder("外面\\子");
  makeFile("外面\\子\\也重要.txt", "keep");
  makeFolder("空的外面");
  makeUnix(
      "ln -s $PWD/外面 目录/子目录/链接 && ln -s $PWD/空的外面 目录/空链接");
  ASSERT_TRUE(sys.exists(path("目录\\子目录\\链接\\重要.txt")));

  // Wine cannot remove a Unix link as a link, so the folder stays.
  EXPECT_FALSE(sys.deleteFolder(path("目录")));
  EXPECT_TRUE(presentUnix("目录/子目录/链接"));

  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_EQ(contents("外面\\子\\也重要.txt"), "keep");
  EXPECT_TRUE(present("空的外面"));
  // Everything else under the folder went.
  EXPECT_FALSE(present("目录\\说明.txt"));
  EXPECT_FALSE(present("目录\\子目录\\奬"));
  EXPECT_FALSE(present("目录\\空目录"));
}

// A Unix link to a file outside, among many files and among few: the file
// it points to is never deleted through it.
TEST_F(DeleteFolderTest, NeverDeletesThroughALinkedFile) {
  for (const char* files : {"1 2", "$(seq -w 1 40)"}) {
    SCOPED_TRACE(files);
    makeUnix(
        "mkdir 目录 && echo keep > 外面.txt && for i in " + std::string(files) +
        "; do echo x > 目录/f$i; done && ln -s $PWD/外面.txt 目录/链接.txt");
    EXPECT_FALSE(sys.deleteFolder(path("目录")));
    EXPECT_EQ(contents("外面.txt"), "keep\n");
    EXPECT_EQ(listing("目录"), std::vector<std::string>{"链接.txt"});
    makeUnix("rm -rf 目录 外面.txt");
  }
}

TEST_F(DeleteFolderTest, ALinkGivenAsTheFolderLeavesItsTargetAlone) {
  makeFolder("外面");
  makeFile("外面\\重要.txt", "keep");
  makeFolder("空的外面");
  makeUnix("ln -s $PWD/外面 链接 && ln -s $PWD/空的外面 空链接");
  for (const char* link : {"链接", "链接\\", "空链接"}) {
    // Wine cannot remove a Unix link as a link: it stays, and says so.
    EXPECT_FALSE(sys.deleteFolder(path(link))) << link;
  }
  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_TRUE(present("空的外面"));
  EXPECT_TRUE(present("链接\\重要.txt"));
}

// The race of a folder not reached yet being swapped for a link to an
// outside folder, made certain: the swap happens just before the walk
// opens that folder.
TEST_F(DeleteFolderTest, AFolderSwappedForALinkIsNeverEntered) {
  makeUnix(
      "mkdir -p 外面 目录/a 目录/b 目录/c && printf keep > 外面/重要.txt && "
      "touch 目录/a/1 目录/b/2 目录/c/3");
  injection.beforeOpening[L"b"] = [&] {
    makeUnix("rm -rf 目录/b && ln -s $PWD/外面 目录/b");
  };
  EXPECT_FALSE(deleteInjected("目录"));
  EXPECT_EQ(contents("外面\\重要.txt"), "keep");
  EXPECT_EQ(countOf(L"list b"), 0u);
  EXPECT_FALSE(presentUnix("目录/a"));
  EXPECT_FALSE(presentUnix("目录/c"));
  EXPECT_TRUE(presentUnix("目录/b"));  // the link stays (Wine): a failure
}

// A file replaced by a link to an outside file just before the walk opens
// it, in a small folder and in a large one: the outside file stays.
TEST_F(DeleteFolderTest, AFileSwappedForALinkIsNeverFollowed) {
  for (const char* files : {"1 2 3", "$(seq -w 1 40)"}) {
    SCOPED_TRACE(files);
    injection = Injection();
    makeUnix("mkdir 目录 && printf keep > 外面.txt && for i in " +
             std::string(files) + "; do echo x > 目录/f$i; done");
    const std::wstring swapped = std::string(files) == "1 2 3" ? L"f2" : L"f20";
    injection.beforeOpening[swapped] = [&] {
      makeUnix("rm 目录/" + textFromWide(swapped) +
               " && ln -s $PWD/外面.txt 目录/" + textFromWide(swapped));
    };
    EXPECT_FALSE(deleteInjected("目录"));
    EXPECT_EQ(contents("外面.txt"), "keep");
    EXPECT_EQ(listing("目录"), std::vector<std::string>{textFromWide(swapped)});
    makeUnix("rm -rf 目录 外面.txt");
  }
}

// The same check without a link: whatever stands under the name when it is
// opened, a file id other than the listed one keeps the walk out of it.
TEST_F(DeleteFolderTest, AFolderOpenedAsAnotherFileIsNotEntered) {
  makeTree();
  injection.idChanged = {L"子目录"};
  EXPECT_FALSE(deleteInjected("目录"));
  EXPECT_EQ(countOf(L"list 子目录"), 0u);
  EXPECT_EQ(listing("目录"), std::vector<std::string>{"子目录"});
  EXPECT_EQ(listing("目录\\子目录"),
            (std::vector<std::string>{"奬", "数据.bin"}));
  EXPECT_EQ(listing("目录\\子目录\\奬"), std::vector<std::string>{"深.txt"});
}

// Where the system opens the link itself (Windows junctions and symbolic
// links), it is removed as a link and never listed.
TEST_F(DeleteFolderTest, ALinkThatOpensAsItselfIsRemovedNotEntered) {
  makeTree();
  injection.shownAsLink = {L"子目录", L"空目录"};
  EXPECT_FALSE(deleteInjected("目录"));  // 子目录 is not empty
  EXPECT_EQ(countOf(L"list 子目录"), 0u);
  EXPECT_EQ(countOf(L"list 空目录"), 0u);
  EXPECT_FALSE(present("目录\\空目录"));
  EXPECT_EQ(listing("目录\\子目录\\奬"), std::vector<std::string>{"深.txt"});
}

// Windows 10 1607+ on NTFS: the POSIX-semantics disposition, for every
// entry. Wine: tried once, then the classic one (asked for when opening
// files).
TEST_F(DeleteFolderTest, MarksWithPosixSemanticsWhereTheSystemAcceptsIt) {
  const std::wstring posix =
      std::to_wstring(static_cast<int>(kFileDispositionInformationEx));
  const std::wstring classic =
      std::to_wstring(static_cast<int>(FileDispositionInformation));
  makeTree();
  injection.posixAccepted = true;
  EXPECT_TRUE(deleteInjected("目录"));
  EXPECT_FALSE(present("目录"));
  size_t posixMarks = 0;
  for (const std::wstring& line : injection.log) {
    EXPECT_EQ(line.find(L"set " + classic), std::wstring::npos) << line;
    EXPECT_EQ(line.find(L"delete-on-close"), std::wstring::npos) << line;
    posixMarks += line.rfind(L"set " + posix, 0) == 0;
  }
  EXPECT_EQ(posixMarks, 8u);  // 4 files, 4 folders

  injection = Injection();
  makeTree();
  EXPECT_TRUE(deleteInjected("目录"));
  EXPECT_FALSE(present("目录"));
  std::vector<std::wstring> marks;
  for (const std::wstring& line : injection.log)
    if (line.rfind(L"set ", 0) == 0 ||
        line.find(L"delete-on-close") != std::wstring::npos)
      marks.push_back(line.substr(0, line.find(L' ', 4)));
  ASSERT_EQ(marks.size(), 9u);  // the first file twice
  EXPECT_EQ(marks[0], L"set " + posix);
  EXPECT_EQ(marks[1], L"set " + classic);
  for (size_t i = 2; i < marks.size(); ++i)
    EXPECT_NE(marks[i], L"set " + posix) << i;
}

TEST_F(DeleteFolderTest, AReadOnlyFileStaysWithPosixSemanticsToo) {
  makeTree();
  setReadOnly("目录\\说明.txt");
  injection.posixAccepted = true;
  EXPECT_FALSE(deleteInjected("目录"));
  EXPECT_EQ(listing("目录"), std::vector<std::string>{"说明.txt"});
}

// Windows refuses plain paths of 260 characters and more without the
// long-path opt-in. The walk never builds one: the folder is opened once by
// its literal path, everything inside by name relative to its folder.
TEST_F(DeleteFolderTest, DeletesAChainFarPast260Characters) {
  std::string chain = "链";
  for (int level = 0; level < 40; ++level)
    chain += "/level" + std::to_string(level) + "xxxxxxxxxx";
  makeUnix("mkdir -p " + chain + " && touch " + chain + "/深处.txt");
  ASSERT_GT(folder_.size() + chain.size(), 700u);
  injection.refuseLongPlainPaths = true;
  DeletionProgress progress;
  EXPECT_TRUE(deleteInjected("链", &progress));
  EXPECT_FALSE(presentUnix("链"));
  EXPECT_EQ(injection.pathOpens, 1u);
  EXPECT_LE(injection.longestName, 20u);
  EXPECT_EQ(progress.filesDeleted, 1);
  EXPECT_EQ(progress.foldersDeleted, 41);
}

TEST_F(DeleteFolderTest, CountsWhatItRemoves) {
  makeTree();
  setReadOnly("目录\\z.txt");
  DeletionProgress progress;
  EXPECT_FALSE(sys.deleteFolder(path("目录"), &progress));
  EXPECT_EQ(progress.filesDeleted, 3);
  EXPECT_EQ(progress.foldersDeleted, 3);  // 子目录, 奬, 空目录
}

// A stop asked for while the walk runs: nothing more is deleted.
TEST_F(DeleteFolderTest, StopsAtTheNextEntryWhenAsked) {
  makeUnix(
      "mkdir -p 目录/sub && cd 目录 && touch f1 f2 f3 f4 f5 f6 f7 f8 f9 "
      "sub/g1 sub/g2 sub/g3 sub/g4 sub/g5 sub/g6 sub/g7 sub/g8 sub/g9");
  DeletionProgress progress;
  int marked = 0;
  injection.posixAccepted = true;  // every deletion is marked through set
  injection.afterMarking = [&] {
    if (++marked == 4) progress.stopRequested = true;
  };
  EXPECT_FALSE(deleteInjected("目录", &progress));
  EXPECT_EQ(marked, 4);
  EXPECT_EQ(progress.filesDeleted, 4);
  EXPECT_EQ(progress.foldersDeleted, 0);
  EXPECT_EQ(listing("目录").size() + listing("目录\\sub").size(), 15u);
}

// Many files in one folder: their handles are closed on a second thread
// while the walk opens the next ones. The result, the counts and what
// stays are the same as one file at a time.
TEST_F(DeleteFolderTest, DeletesALargeFolderAroundWhatMustStay) {
  makeUnix(
      "mkdir -p 目录/中 && cd 目录 && for i in $(seq -w 1 300); do "
      "echo x > f$i; echo y > 中/g$i; done");
  setReadOnly("目录\\f150");
  DeletionProgress progress;
  EXPECT_FALSE(deleteInjected("目录", &progress));
  EXPECT_EQ(progress.filesDeleted, 599);
  EXPECT_EQ(progress.foldersDeleted, 1);
  EXPECT_EQ(listing("目录"), std::vector<std::string>{"f150"});
  EXPECT_GT(injection.closingThreads.size(), 1u);
}

// A stop in the middle of a large folder: the file being opened is the
// last one deleted.
TEST_F(DeleteFolderTest, StopsInALargeFolderAtTheNextFile) {
  makeUnix(
      "mkdir 目录 && cd 目录 && for i in $(seq -w 1 300); do echo x > f$i; "
      "done");
  DeletionProgress progress;
  injection.beforeOpening[L"f100"] = [&] { progress.stopRequested = true; };
  EXPECT_FALSE(deleteInjected("目录", &progress));
  EXPECT_EQ(progress.filesDeleted, 100);
  EXPECT_EQ(listing("目录").size(), 200u);
  EXPECT_EQ(listing("目录").front(), "f101");
}

}  // namespace
