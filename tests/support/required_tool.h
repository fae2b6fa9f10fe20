#pragma once
// Tests that drive an outside tool (sqlite3, pdftotext, zbarimg) skip where
// it is missing, except under CI, where the set-up installs it and a missing
// tool is a failure.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tavelao::testing {

inline bool HasTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline bool UnderCi() { return std::getenv("CI") != nullptr; }

// For checks that a test makes only where the tool is there: false where it
// is missing, and a failure too under CI.
inline bool ToolAvailable(const std::string& name) {
  if (HasTool(name)) return true;
  if (UnderCi()) ADD_FAILURE() << name << " is missing under CI";
  return false;
}

}  // namespace tavelao::testing

#define TAVELAO_REQUIRE_TOOL(name)                                                 \
  do {                                                                             \
    if (!::tavelao::testing::HasTool(name)) {                                      \
      if (::tavelao::testing::UnderCi()) FAIL() << name << " is missing under CI"; \
      GTEST_SKIP() << name << " is not installed";                                 \
    }                                                                              \
  } while (0)
