// The server addresses, fixed when the program is built.
#pragma once

extern const char* const kNoticeUrl;      // start-up notice, HTTPS
extern const char* const kVersionUrl;     // latest version text, plain HTTP
extern const char* const kHomeUrl;        // product home page, plain HTTP
extern const char* const kOnlineTestUrl;  // a large public site's home page

// The longest the program waits for the servers in one go: the start-up's
// online test and notice together, or one update check.
constexpr int kNetworkWaitMs = 5000;
