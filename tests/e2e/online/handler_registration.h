// Which program the shell starts to open http and https addresses in the
// Wine prefix (HKLM\Software\Classes\<scheme>\shell\open\command: Wine
// reads the classes from there only, not from HKCU).
#pragma once

#include <string>

// Makes `command` ("exe" "args" "%1") the opener of both schemes. The
// command found there first is kept aside, once, for unregisterBrowser.
bool registerBrowser(const std::wstring& command);
// Puts the kept command back; nothing to do when none was kept.
bool unregisterBrowser();
