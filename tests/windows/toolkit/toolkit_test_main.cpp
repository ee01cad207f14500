// The toolkit starts the common controls and OLE itself, as in the program:
// nothing is set up here beforehand.
#include "gtest/gtest.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
