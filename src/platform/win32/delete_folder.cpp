#include "platform/win32/delete_folder.h"

#include <algorithm>

#include "platform/win32/entry_in_parent.h"
#include "platform/win32/folder_walk.h"
#include "platform/win32/literal_path.h"
#include "platform/win32/text_wide.h"
#include "platform/win32/volume_root.h"
#include "platform/win32/win32_system.h"

namespace {

std::wstring withoutLeadingBlanks(const std::wstring& path) {
  return path.substr(std::min(path.find_first_not_of(L' '), path.size()));
}

}  // namespace

bool mayDeleteAsFolder(const std::wstring& path) {
  const std::wstring rest = withoutLeadingBlanks(path);
  if (rest.empty() || isBareDrive(rest)) return false;
  const std::wstring literal = literalPathOf(rest);
  return !literal.empty() && !isVolumeRoot(literal);
}

bool deleteFolderWith(const std::wstring& path, const NtFileCalls& calls,
                      DeletionProgress* progress) {
  if (!mayDeleteAsFolder(path)) return false;
  std::wstring literal = literalPathOf(withoutLeadingBlanks(path));
  while (literal.back() == L'\\') literal.pop_back();  // "\\?\C:\x\" as typed
  return withEntryInParent(
      literal, calls, [&](HANDLE parent, const ListedEntry& entry) {
        return deleteFolderEntry(parent, entry, calls, progress);
      });
}

bool Win32System::deleteFolder(const std::string& path,
                               DeletionProgress* progress) {
  return deleteFolderWith(wideFromText(path), kWindowsNtFileCalls, progress);
}
