// The literal form of typed and dropped paths, as one table. Relative
// paths resolve against a known working directory.
#include "platform/win32/literal_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

class LiteralPath : public testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryW(MAX_PATH, saved_);
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\windows"));
  }
  void TearDown() override { SetCurrentDirectoryW(saved_); }
  wchar_t saved_[MAX_PATH];
};

TEST_F(LiteralPath, NamesExactlyTheEntryTyped) {
  struct {
    const wchar_t* typed;
    const wchar_t* literal;
  } cases[] = {
      // relative: against the working directory
      {L"a\\b.txt", L"\\\\?\\C:\\windows\\a\\b.txt"},
      {L".\\a", L"\\\\?\\C:\\windows\\a"},
      {L"..\\x", L"\\\\?\\C:\\x"},
      {L"..\\..\\..\\x", L"\\\\?\\C:\\x"},  // never above the volume
      {L"\\x\\y", L"\\\\?\\C:\\x\\y"},      // rooted: the working volume
      {L"C:x", L"\\\\?\\C:\\windows\\x"},   // the drive's own folder
      {L"nul", L"\\\\?\\C:\\windows\\nul"},
      // "/" and repeated separators
      {L"C:/a/b", L"\\\\?\\C:\\a\\b"},
      {L"C:\\\\a\\\\\\b\\", L"\\\\?\\C:\\a\\b"},
      {L"//server/share/x", L"\\\\?\\UNC\\server\\share\\x"},
      // "." and ".." applied to the text
      {L"C:\\a\\.\\b\\..\\c", L"\\\\?\\C:\\a\\c"},
      {L"C:\\a\\..\\..\\b", L"\\\\?\\C:\\b"},
      {L"C:\\a\\b\\.", L"\\\\?\\C:\\a\\b"},
      {L"C:\\a\\..", L"\\\\?\\C:\\"},
      // trailing dots and blanks stay, in the last name and inside
      {L"C:\\a\\abc.", L"\\\\?\\C:\\a\\abc."},
      {L"C:\\a\\abc ", L"\\\\?\\C:\\a\\abc "},
      {L"C:\\a\\x. .", L"\\\\?\\C:\\a\\x. ."},
      {L"C:\\dir.\\inner", L"\\\\?\\C:\\dir.\\inner"},
      {L"C:\\a\\...", L"\\\\?\\C:\\a\\..."},
      // device names are file names
      {L"C:\\a\\nul", L"\\\\?\\C:\\a\\nul"},
      {L"C:\\a\\con", L"\\\\?\\C:\\a\\con"},
      {L"C:\\a\\aux.txt", L"\\\\?\\C:\\a\\aux.txt"},
      {L"C:\\a\\com1", L"\\\\?\\C:\\a\\com1"},
      {L"C:\\a\\LPT1.log", L"\\\\?\\C:\\a\\LPT1.log"},
      // UNC: ".." stays within the share
      {L"\\\\server\\share\\a\\..\\b", L"\\\\?\\UNC\\server\\share\\b"},
      {L"\\\\server\\share\\..\\..", L"\\\\?\\UNC\\server\\share\\"},
      {L"\\\\.\\C:\\a\\..\\b", L"\\\\?\\C:\\b"},
      {L"\\\\.\\UNC\\server\\share\\x", L"\\\\?\\UNC\\server\\share\\x"},
      // already literal: taken as it is
      {L"\\\\?\\C:\\a\\..\\b.", L"\\\\?\\C:\\a\\..\\b."},
      {L"\\\\?\\UNC\\server\\share\\x ", L"\\\\?\\UNC\\server\\share\\x "},
      {L"\\??\\C:\\x", L"\\\\?\\C:\\x"},
      // a wildcard in the last name is kept for the search
      {L"C:\\a\\*.txt", L"\\\\?\\C:\\a\\*.txt"},
      {L"", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(literalPathOf(c.typed), c.literal) << "typed: " << c.typed;
}

// Wine wraps lengths past the counted limit and then names another entry.
TEST_F(LiteralPath, RefusesWhatIsLongerThanTheSystemCanCount) {
  const std::wstring prefix = L"C:\\";  // becomes \\?\C:\ (7 characters)
  const size_t fits = kLongestLiteralPath - 7;
  EXPECT_EQ(literalPathOf(prefix + std::wstring(fits, L'a')).size(),
            kLongestLiteralPath);
  EXPECT_EQ(literalPathOf(prefix + std::wstring(fits + 1, L'a')), L"");
  EXPECT_EQ(literalPathOf(prefix + std::wstring(40000, L'a')), L"");
  EXPECT_EQ(literalPathOf(L"\\\\?\\C:\\" + std::wstring(fits + 1, L'a')), L"");
  // Resolving can bring a long text back within the limit.
  std::wstring back = prefix + std::wstring(fits, L'a') + L"\\..\\b";
  EXPECT_EQ(literalPathOf(back), L"\\\\?\\C:\\b");
}

TEST(NtPath, TheNativeSpellingOfALiteralPath) {
  EXPECT_EQ(ntPathOf(L"\\\\?\\C:\\a"), L"\\??\\C:\\a");
  EXPECT_EQ(ntPathOf(L"\\\\?\\UNC\\s\\h\\x"), L"\\??\\UNC\\s\\h\\x");
  EXPECT_EQ(ntPathOf(L"C:\\a"), L"");
}

}  // namespace
