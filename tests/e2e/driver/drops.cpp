// Drops from a second process: the drag source exe does what a file
// manager does (DoDragDrop with a CF_HDROP file list), with the mouse moved
// through the system's input queue onto the main window.
#include <cstdio>
#include <cstdlib>

#include "program_driver.h"
#include "unix_paths.h"

namespace e2e {

namespace {

std::wstring dragSourcePath() {
  return fromEnvironmentOr(L"QUORVIN_E2E_DRAG_SOURCE",
                           QUORVIN_E2E_DEFAULT_DRAG_SOURCE);
}

std::wstring quoted(const std::wstring& argument) {
  return L"\"" + argument + L"\"";
}

std::wstring resultFileName() {
  wchar_t folder[MAX_PATH] = {};
  wchar_t file[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"drp", 0, file);
  return file;
}

}  // namespace

Drop::~Drop() {
  if (!source.hProcess) return;
  if (WaitForSingleObject(source.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(source.hProcess, 1);
    WaitForSingleObject(source.hProcess, 5000);
  }
  CloseHandle(source.hThread);
  CloseHandle(source.hProcess);
  DeleteFileW(resultFile.c_str());
}

bool startDrop(Drop& drop, const Program& program,
               const std::vector<std::string>& paths, POINT at, int keys) {
  ClientToScreen(program.main, &at);
  drop.resultFile = resultFileName();
  const std::wstring exe = dragSourcePath();
  std::wstring commandLine = quoted(exe) + L" " + quoted(drop.resultFile) +
                             L" " + std::to_wstring(at.x) + L" " +
                             std::to_wstring(at.y);
  if (keys & kShift) commandLine += L" --shift";
  if (keys & kCtrl) commandLine += L" --ctrl";
  for (const std::string& path : paths)
    commandLine += L" " + quoted(wide(path));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, nullptr, &startup,
                        &drop.source) != 0;
}

DropResult waitForDrop(Drop& drop) {
  DropResult result;
  if (!drop.source.hProcess ||
      WaitForSingleObject(drop.source.hProcess, kPatience) != WAIT_OBJECT_0)
    return result;
  FILE* in = _wfopen(drop.resultFile.c_str(), L"rb");
  if (!in) return result;
  unsigned long hr = 0, effect = 0, offered = 0, keys = 0;
  if (std::fscanf(in, "%lx %lu %lu %lx", &hr, &effect, &offered, &keys) == 4) {
    result.keysSeen = keys;
    result.finished = true;
    result.result = static_cast<HRESULT>(hr);
    result.dropped =
        result.result == DRAGDROP_S_DROP && offered != DROPEFFECT_NONE;
    result.effect = effect;
    result.offered = offered;
  }
  std::fclose(in);
  return result;
}

DropResult dropFiles(const Program& program,
                     const std::vector<std::string>& paths, POINT at,
                     int keys) {
  Drop drop;
  if (!startDrop(drop, program, paths, at, keys)) return {};
  return waitForDrop(drop);
}

}  // namespace e2e
