// What the program asked the web browser to open. The ctest fixture
// "online_browser" makes e2e_url_recorder the prefix's browser
// (url_recorder.cpp); it notes each address in the record file.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// True when the recorder is the browser the shell starts for http.
bool recorderIsTheBrowser();
// Forgets every address noted so far.
bool forgetOpenedAddresses();
// The addresses noted, in order, once every recorder started so far has
// finished writing: a request the shell has taken is never missed.
std::vector<std::string> openedAddresses();

}  // namespace e2e
