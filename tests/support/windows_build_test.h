#pragma once
// The base of the tests that drive the Windows build under wine: each test gets a fresh
// folder, and is skipped, saying so, unless FLOPPYSPLIT_COMMAND names that build (see
// scripts/test-windows.sh).

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/program_runner.h"
#include "support/scratch_folder.h"

namespace floppysplit {

class WindowsBuildTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!testingWindowsBuild()) {
      GTEST_SKIP() << "needs FLOPPYSPLIT_COMMAND=\"wine .../floppysplit.exe\"; "
                      "run scripts/test-windows.sh";
    }
  }

  ScratchFolder folder_;
};

inline bool contains(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

}  // namespace floppysplit
