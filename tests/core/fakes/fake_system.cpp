#include "fakes/fake_system.h"

#include "platform/iconv_encoding.h"

void FakeSystem::addFile(const std::string& path, int64_t size,
                         bool deletable) {
  entries[path] = Entry{false, size, deletable};
}

void FakeSystem::addFolder(const std::string& path, bool deletable) {
  entries[path] = Entry{true, 0, deletable};
}

bool FakeSystem::exists(const std::string& path) {
  return entries.count(path) != 0;
}

int64_t FakeSystem::fileSize(const std::string& path) {
  auto it = entries.find(path);
  if (it == entries.end()) return -1;
  return it->second.folder ? 0 : it->second.size;
}

bool FakeSystem::deleteFile(const std::string& path) {
  auto it = entries.find(path);
  if (it == entries.end() || it->second.folder || !it->second.deletable)
    return false;
  entries.erase(it);
  return true;
}

bool FakeSystem::deleteFolder(const std::string& path,
                              DeletionProgress* progress) {
  auto it = entries.find(path);
  if (it == entries.end() || !it->second.folder || !it->second.deletable)
    return false;
  if (progress) {
    progress->filesDeleted += it->second.filesInside;
    ++progress->foldersDeleted;
  }
  entries.erase(it);
  return true;
}

bool FakeSystem::writeFile(const std::string& path, const std::string& bytes) {
  if (writeFails) return false;
  written[path] = bytes;
  return true;
}

bool FakeSystem::setWorkingDirectory(const std::string& path) {
  workingDirectory = path;
  return true;
}

DateTime FakeSystem::now() {
  if (clock.empty()) return DateTime{2022, 7, 12, 8, 58, 29};
  const size_t i = clockReads_ < clock.size() ? clockReads_ : clock.size() - 1;
  ++clockReads_;
  return clock[i];
}

HttpResponse FakeSystem::httpGet(const std::string& url) {
  requested.push_back(url);
  auto it = responses.find(url);
  return it == responses.end() ? HttpResponse{} : it->second;
}

std::string FakeSystem::convertEncoding(const std::string& bytes,
                                        const std::string& from,
                                        const std::string& to) {
  return convertWithIconv(bytes, from, to);
}

void FakeSystem::endProgram(int code) {
  ended = true;
  exitCode = code;
}
