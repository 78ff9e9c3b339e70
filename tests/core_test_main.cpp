// The main of the core's test programs: the core's parts are connected as every front end
// connects them, then the tests run.
#include "commands/core_init.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  trelvix::initialiseCore();
  return RUN_ALL_TESTS();
}
