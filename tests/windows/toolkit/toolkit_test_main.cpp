// The toolkit needs OLE and the common controls, as the program sets up.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <ole2.h>

#include "gtest/gtest.h"

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
