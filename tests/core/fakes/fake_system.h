// A system double: an in-memory file table, a set clock, canned HTTP
// answers, and the real iconv for character sets.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/system.h"

class FakeSystem : public System {
 public:
  struct Entry {
    bool folder = false;
    int64_t size = 0;
    bool deletable = true;  // false: read-only, in use, or not empty
    int filesInside = 0;    // a folder's: counted as deleted with it
  };
  std::map<std::string, Entry> entries;  // by exact path text
  std::map<std::string, std::string> written;
  bool writeFails = false;
  std::vector<DateTime> clock;  // successive now() readings; the last repeats
  bool online = true;
  std::map<std::string, HttpResponse> responses;  // unknown URL: no response
  std::vector<std::string> requested;
  std::vector<std::string> opened;
  std::string folder = "D:\\工具";
  std::string workingDirectory;
  bool ended = false;
  int exitCode = -1;

  void addFile(const std::string& path, int64_t size, bool deletable = true);
  void addFolder(const std::string& path, bool deletable = true);

  bool exists(const std::string& path) override;
  int64_t fileSize(const std::string& path) override;
  bool deleteFile(const std::string& path) override;
  bool deleteFolder(const std::string& path,
                    DeletionProgress* progress = nullptr) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
  std::string programFolder() override { return folder; }
  bool setWorkingDirectory(const std::string& path) override;
  DateTime now() override;
  bool isOnline() override { return online; }
  HttpResponse httpGet(const std::string& url) override;
  void openUrl(const std::string& url) override { opened.push_back(url); }
  std::string convertEncoding(const std::string& bytes, const std::string& from,
                              const std::string& to) override;
  void endProgram(int code) override;

 private:
  size_t clockReads_ = 0;
};
