#pragma once

#include "model/defaults.h"
#include "platform/scripted_shell.h"

#include <gtest/gtest.h>

namespace trelvix {

/// Every model test runs with reset defaults (scale 28) and a fresh headless shell.
class ModelTest : public ::testing::Test
{
protected:
  ModelTest() { setCurrentShell(&shell); }
  ~ModelTest() override { setCurrentShell(nullptr); }

  ModelDefaultsScope defaults;
  ScriptedShell shell;
};

} // namespace trelvix
