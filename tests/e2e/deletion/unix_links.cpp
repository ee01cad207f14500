#include "unix_links.h"

#include <windows.h>

#include "program_driver.h"
#include "unix_command.h"

namespace e2e {

namespace {

std::wstring unixPathOf(const std::string& windowsPath) {
  return unix_shell::unixPathOf(wide(windowsPath));
}

bool runUnix(const std::wstring& command) {
  return unix_shell::run(command, kPatience) == 0;
}

}  // namespace

bool makeUnixLink(const std::string& target, const std::string& link) {
  const std::wstring from = unixPathOf(target);
  const std::wstring to = unixPathOf(link);
  return !from.empty() && !to.empty() &&
         runUnix(L"ln -s '" + from + L"' '" + to + L"'") && exists(link);
}

bool runUnixIn(const std::string& folder, const std::string& command) {
  const std::wstring where = unixPathOf(folder);
  return !where.empty() && runUnix(L"cd '" + where + L"' && " + wide(command));
}

std::string unixPath(const std::string& path) {
  return narrow(unixPathOf(path));
}

bool existsLiterally(const std::string& path) {
  return GetFileAttributesW((L"\\\\?\\" + wide(path)).c_str()) !=
         INVALID_FILE_ATTRIBUTES;
}

bool removeUnixLink(const std::string& link) {
  const std::wstring path = unixPathOf(link);
  return !path.empty() && runUnix(L"rm -f '" + path + L"'");
}

bool makeUnixTree(const std::string& root, int folders, int filesPerFolder) {
  const std::wstring path = unixPathOf(root);
  if (path.empty() || folders < 1 || filesPerFolder < 1) return false;
  const std::wstring lastFolder = std::to_wstring(folders - 1);
  const std::wstring lastFile = std::to_wstring(filesPerFolder - 1);
  // A few processes in all: one list of names, one sed per folder, and
  // touch in large batches.
  const std::wstring command =
      L"cd '" + path + L"' && seq 0 " + lastFolder +
      L" | sed s/^/d/ | xargs mkdir && seq 0 " + lastFile +
      L" | sed s/$/.txt/ > ../.names && for d in $(seq 0 " + lastFolder +
      L"); do sed s,^,d$d/, ../.names; done | xargs touch; rm -f ../.names";
  return runUnix(command) && exists(root + "\\d" + narrow(lastFolder) + "\\" +
                                    narrow(lastFile) + ".txt");
}

}  // namespace e2e
