// The web servers the loopback build of the program talks to, started by
// each scenario as it needs them (tests/servers/test_server.py, run in the
// Unix shell):
//   notice       https://localhost:18443/visit    (HTTPS)
//   version      http://127.0.0.1:18080/updata.html
//   home page    http://127.0.0.1:18080
//   online test  http://127.0.0.1:18081/
// One server process listens on the ports asked for and answers every one
// of them from the same routes; a port left out is closed.
#pragma once

#include <map>
#include <string>

namespace e2e {

struct Answer {
  std::string body;  // the bytes sent
  int status = 200;
  int delaySeconds = 0;  // answers only after this long
  bool hang = false;     // reads the request and never answers
};
// Path → answer; a path not listed is answered with 404 "not found".
using Routes = std::map<std::string, Answer>;

enum class Certificate { Trusted, Untrusted };

struct Servers {
  bool notice = true;  // HTTPS port of the notice
  Certificate certificate = Certificate::Trusted;
  bool version = true;     // HTTP port of the version and home page
  bool onlineTest = true;  // HTTP port of the online test
};

// Stops any servers an earlier start left and starts the ones asked for,
// listening by the time it returns; false when they could not be started.
bool startServers(const Servers& servers, const Routes& routes);
// New routes, used from the next request on.
bool setRoutes(const Routes& routes);
bool stopServers();
// Every request the servers received since they were started, each as its
// request line ("GET /visit HTTP/1.0") followed by indented header lines.
std::string serverLog();

}  // namespace e2e
