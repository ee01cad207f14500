// The file-system, clock, network, character-set and process services the
// program's logic uses. Paths and texts are UTF-8, passed on as the user
// typed or dropped them. Everything is synchronous.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// Local date and time in whole seconds.
struct DateTime {
  int year, month, day;
  int hour, minute, second;
};

// What a running folder deletion has removed so far, read from another
// thread for a progress display, and a request to stop it at the next entry.
struct DeletionProgress {
  std::atomic<int64_t> filesDeleted{0};
  std::atomic<int64_t> foldersDeleted{0};
  std::atomic<bool> stopRequested{false};
};

struct HttpResponse {
  int status = 0;    // 0 when no response arrived
  std::string body;  // what was received, also for error pages
};

class System {
 public:
  virtual ~System() = default;

  // File system. Relative paths resolve against the working directory.
  // True when a directory search for exactly this text finds an entry.
  virtual bool exists(const std::string& path) = 0;
  // Size from the directory entry; 0 for a folder, -1 when nothing is found.
  virtual int64_t fileSize(const std::string& path) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
  // The folder with everything inside; true only when the folder is gone.
  // Refuses volume roots and never follows links out of the folder. Counts
  // what it removes into `progress`, and stops early when asked to there.
  virtual bool deleteFolder(const std::string& path,
                            DeletionProgress* progress = nullptr) = 0;
  // Creates or replaces the file with exactly these bytes. On failure no
  // partly written file is left behind.
  virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
  // The executable's folder, without a trailing backslash ("D:" in a root).
  virtual std::string programFolder() = 0;
  virtual bool setWorkingDirectory(const std::string& path) = 0;

  // Clock.
  virtual DateTime now() = 0;

  // Network.
  virtual bool isOnline() = 0;
  // GET over HTTP/1.0, never from the cache; empty body and status 0 when
  // the request cannot be made or the body is larger than 1 MiB.
  virtual HttpResponse httpGet(const std::string& url) = 0;
  // Hands the address to the shell's "open" verb.
  virtual void openUrl(const std::string& url) = 0;

  // Character sets: one strict conversion; empty on any invalid input or any
  // character the target cannot represent. "GB2312" means EUC-CN. The
  // program converts from "UTF-8" to "GB2312" or "GBK", and from "GBK" to
  // "UTF-8".
  virtual std::string convertEncoding(const std::string& bytes,
                                      const std::string& fromCharset,
                                      const std::string& toCharset) = 0;

  // Process: ends the process with the code. The real one does not return;
  // callers return straight after it all the same.
  virtual void endProgram(int exitCode) = 0;
};

// The bytes up to the first zero byte.
std::string bytesToText(const std::string& bytes);
