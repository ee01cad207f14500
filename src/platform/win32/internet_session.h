// The program's one WinINet session, opened on first use.
#pragma once

// Closes the session if it is open (before the process ends).
void closeInternetSession();
