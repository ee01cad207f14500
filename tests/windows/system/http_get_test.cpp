// httpGet and isOnline against the loopback test server (fixture
// system_server; routes in system_routes.json).
#include <windows.h>

#include <fstream>
#include <sstream>

#include "system_test_support.h"

namespace {

#define STR2(x) #x
#define STR(x) STR2(x)
const std::string kHttp = "http://127.0.0.1:" STR(QUORVIN_TEST_HTTP_PORT);
const std::string kHttps = "https://localhost:" STR(QUORVIN_TEST_HTTPS_PORT);
const std::string kUntrusted =
    "https://localhost:" STR(QUORVIN_TEST_UNTRUSTED_PORT);
const std::string kClosed = "http://127.0.0.1:" STR(QUORVIN_TEST_CLOSED_PORT);

std::string repeated(const std::string& part, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += part;
  return all;
}

std::string serverLog() {
  std::ifstream log(windowsPathOf(QUORVIN_TEST_SERVER_LOG), std::ios::binary);
  std::stringstream all;
  all << log.rdbuf();
  return all.str();
}

// The server's log since the test began: request lines, each followed by
// its headers indented by two blanks. Other tests may use the server at the
// same time, so a test looks only at the entry of its own request.
class ServerLog {
 public:
  // The entry whose request line is `requestLine`, or "" when none is.
  std::string entryOf(const std::string& requestLine) const {
    std::istringstream since(serverLog().substr(start_));
    std::string line, entry;
    bool inside = false;
    while (std::getline(since, line)) {
      if (line.rfind("  ", 0) != 0) {
        if (inside) break;
        inside = line == requestLine;
      }
      if (inside) entry += line + "\n";
    }
    return entry;
  }

 private:
  size_t start_ = serverLog().size();
};

class HttpGet : public testing::Test {
 protected:
  Win32System sys;
};

TEST_F(HttpGet, ReturnsTheBodyAndStatus) {
  const HttpResponse hello = sys.httpGet(kHttp + "/hello");
  EXPECT_EQ(hello.status, 200);
  EXPECT_EQ(hello.body,
            "\xE4\xBD\xA0\xE5\xA5\xBD\xEF\xBC\x8C\xE4\xB8\x96"
            "\xE7\x95\x8C\n");  // UTF-8, untouched
  const HttpResponse bytes = sys.httpGet(kHttp + "/bytes");
  EXPECT_EQ(bytes.body, std::string("\x00\xff\r\n\x80", 5));
}

TEST_F(HttpGet, SendsAnHttp10GetWithTheAgentAndAcceptHeader) {
  const ServerLog log;
  ASSERT_EQ(sys.httpGet(kHttp + "/hello?x=1").status, 200);
  const std::string request = log.entryOf("GET /hello?x=1 HTTP/1.0");
  ASSERT_NE(request, "");
  EXPECT_NE(request.find("\n  User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; "
                         "Windows NT 5.0)"),
            std::string::npos)
      << request;
  EXPECT_NE(request.find("\n  Accept: */*"), std::string::npos) << request;
}

TEST_F(HttpGet, AnErrorPageComesWithItsStatus) {
  const HttpResponse missing = sys.httpGet(kHttp + "/missing-page");
  EXPECT_EQ(missing.status, 404);
  EXPECT_EQ(missing.body,
            "\xE9\xA1\xB5\xE9\x9D\xA2\xE4\xB8\x8D\xE5\xAD\x98"
            "\xE5\x9C\xA8");
}

TEST_F(HttpGet, ReadsLargeBodiesWithAndWithoutALength) {
  EXPECT_EQ(sys.httpGet(kHttp + "/big").body,
            repeated("0123456789abcdef", 20000));  // several 100 KB chunks
  const HttpResponse plain = sys.httpGet(kHttp + "/big-no-length");
  EXPECT_EQ(plain.status, 200);
  EXPECT_EQ(plain.body, repeated("0123456789abcdef", 5000));
}

// Nothing the program fetches comes near 1 MiB: a larger body counts as no
// response, whether its length is announced or only shows while reading.
TEST_F(HttpGet, ABodyLargerThanOneMebibyteCountsAsNoResponse) {
  for (const char* route :
       {"/two-mebibytes", "/two-mebibytes-no-length", "/one-byte-over"}) {
    const HttpResponse none = sys.httpGet(kHttp + route);
    EXPECT_EQ(none.status, 0) << route;
    EXPECT_EQ(none.body.size(), 0u) << route;
  }
  for (const char* route : {"/one-mebibyte", "/one-mebibyte-no-length"}) {
    const HttpResponse whole = sys.httpGet(kHttp + route);
    EXPECT_EQ(whole.status, 200) << route;
    EXPECT_EQ(whole.body.size(), 1048576u) << route;
    EXPECT_TRUE(whole.body == repeated("0123456789abcdef", 65536)) << route;
  }
}

TEST_F(HttpGet, FollowsARedirect) {
  const HttpResponse moved = sys.httpGet(kHttp + "/moved");
  EXPECT_EQ(moved.status, 200);
  EXPECT_EQ(moved.body.size(), 16u);  // the body of /hello
}

TEST_F(HttpGet, NothingWhenNoResponseComes) {
  for (const std::string& url :
       {kClosed + "/hello", kHttp + "/reset", std::string("not a url"),
        std::string(""), std::string("ftp://127.0.0.1/x"),
        std::string("http://")}) {
    const HttpResponse none = sys.httpGet(url);
    EXPECT_EQ(none.status, 0) << url;
    EXPECT_EQ(none.body, "") << url;
  }
}

TEST_F(HttpGet, HttpsWithTheTrustedTestCa) {
  const HttpResponse hello = sys.httpGet(kHttps + "/hello");
  EXPECT_EQ(hello.status, 200);
  EXPECT_EQ(hello.body.size(), 16u);
}

TEST_F(HttpGet, HttpsWithAnUntrustedCertificateGivesNothing) {
  const HttpResponse none = sys.httpGet(kUntrusted + "/hello");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.body, "");
}

// Takes the full time-out (5 s): a server that accepts and never answers.
TEST_F(HttpGet, GivesUpOnAServerThatNeverAnswers) {
  const HttpResponse none = sys.httpGet(kHttp + "/hang");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.body, "");
}

TEST(IsOnline, AnyResponseFromTheTestAddressMeansOnline) {
  Win32System sys;
  const ServerLog log;
  EXPECT_TRUE(sys.isOnline());
  // Through its own handle, with the agent "test".
  const std::string request = log.entryOf("GET / HTTP/1.0");
  ASSERT_NE(request, "");
  EXPECT_NE(request.find("\n  User-Agent: test\n"), std::string::npos)
      << request;
}

}  // namespace
