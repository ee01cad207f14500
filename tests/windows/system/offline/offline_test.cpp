#include <gtest/gtest.h>

#include "platform/win32/win32_system.h"

TEST(IsOnline, NoServerAtTheTestAddressMeansOffline) {
  Win32System sys;
  EXPECT_FALSE(sys.isOnline());
}
