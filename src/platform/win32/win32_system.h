// The system operations on kernel32, WinINet and the shell.
#pragma once

#include "platform/system.h"

class Win32System : public System {
 public:
  bool exists(const std::string& path) override;
  int64_t fileSize(const std::string& path) override;
  bool deleteFile(const std::string& path) override;
  bool deleteFolder(const std::string& path,
                    DeletionProgress* progress = nullptr) override;
  bool writeFile(const std::string& path, const std::string& bytes) override;
  std::string programFolder() override;
  bool setWorkingDirectory(const std::string& path) override;
  DateTime now() override;
  bool isOnline() override;
  HttpResponse httpGet(const std::string& url) override;
  void openUrl(const std::string& url) override;
  std::string convertEncoding(const std::string& bytes,
                              const std::string& fromCharset,
                              const std::string& toCharset) override;
  void endProgram(int exitCode) override;
};
