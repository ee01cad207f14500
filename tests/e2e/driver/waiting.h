// Polling with a deadline: the driver's only way of waiting.
#pragma once

#include <windows.h>

#include "program_driver.h"

namespace e2e {

// Calls `ready` until it gives a true value or the patience is used up;
// returns its last value.
template <typename Check>
auto waitUntil(Check ready, DWORD patience = kPatience) {
  const ULONGLONG deadline = GetTickCount64() + patience;
  for (;;) {
    auto value = ready();
    if (value || GetTickCount64() >= deadline) return value;
    Sleep(10);
  }
}

}  // namespace e2e
