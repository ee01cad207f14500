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

std::string unixPath(const std::string& path) { return gbk(unixPathOf(path)); }

bool existsLiterally(const std::string& path) {
  return GetFileAttributesW((L"\\\\?\\" + wide(path)).c_str()) !=
         INVALID_FILE_ATTRIBUTES;
}

bool removeUnixLink(const std::string& link) {
  const std::wstring path = unixPathOf(link);
  return !path.empty() && runUnix(L"rm -f '" + path + L"'");
}

}  // namespace e2e
