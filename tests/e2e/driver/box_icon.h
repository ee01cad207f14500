// Which standard icon a message box shows.
#pragma once

#include <windows.h>

#include "program_driver.h"

namespace e2e {

BoxIcon boxIcon(HWND box);

}  // namespace e2e
