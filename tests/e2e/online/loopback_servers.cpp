#include "loopback_servers.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "program_driver.h"
#include "unix_command.h"
#include "unix_files.h"

namespace e2e {

namespace {

#define QUORVIN_STR2(x) #x
#define QUORVIN_STR(x) QUORVIN_STR2(x)

const std::string kState = QUORVIN_E2E_SERVER_STATE;
const std::string kRoutes = kState + "/routes.json";
const std::string kLog = kState + "/requests.log";
const std::string kPidFile = kState + "/server.pid";
const std::string kServer =
    std::string(QUORVIN_E2E_PYTHON) + " " + QUORVIN_E2E_SERVER_SCRIPT;

std::string hex(const std::string& bytes) {
  std::string out;
  char pair[3];
  for (unsigned char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    out += pair;
  }
  return out;
}

// Bodies go as hex, so no text needs escaping in the JSON.
std::string json(const Routes& routes) {
  std::string out = "{";
  for (const auto& [path, answer] : routes) {
    if (out.size() > 1) out += ",\n";
    out += "\"" + path + "\": {\"status\": " + std::to_string(answer.status) +
           ", \"hex\": \"" + hex(answer.body) +
           "\", \"delay\": " + std::to_string(answer.delaySeconds) +
           ", \"hang\": " + (answer.hang ? "true" : "false") + "}";
  }
  return out + "}\n";
}

int runUnix(const std::string& commandLine) {
  return unix_shell::run(wide(commandLine));
}

std::string certificateOptions(Certificate certificate) {
  const std::string folder =
      std::string(QUORVIN_E2E_CERTS) +
      (certificate == Certificate::Untrusted ? "/untrusted" : "");
  return " --https " QUORVIN_STR(QUORVIN_E2E_NOTICE_PORT) ":" + folder +
         "/server.pem:" + folder + "/server.key";
}

}  // namespace

bool setRoutes(const Routes& routes) {
  return writeUnixFile(kRoutes, json(routes));
}

bool stopServers() {
  return runUnix(kServer + " stop --pidfile " + kPidFile) == 0;
}

bool startServers(const Servers& servers, const Routes& routes) {
  std::string ports;
  if (servers.notice) ports += certificateOptions(servers.certificate);
  if (servers.version)
    ports += " --http " QUORVIN_STR(QUORVIN_E2E_VERSION_PORT);
  if (servers.onlineTest)
    ports += " --http " QUORVIN_STR(QUORVIN_E2E_ONLINE_TEST_PORT);
  if (ports.empty()) return stopServers();  // every port closed
  // "start" stops the servers of the last start first.
  return setRoutes(routes) && writeUnixFile(kLog, "") &&
         runUnix(kServer + " start --pidfile " + kPidFile + " --log " + kLog +
                 " --routes " + kRoutes + ports) == 0;
}

std::string serverLog() { return readUnixFile(kLog); }

}  // namespace e2e
