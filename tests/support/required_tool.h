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

}  // namespace tavelao::testing

#define TAVELAO_REQUIRE_TOOL(name)                                                       \
  do {                                                                                    \
    if (!::tavelao::testing::HasTool(name)) {                                             \
      if (::tavelao::testing::UnderCi()) FAIL() << name << " is missing under CI";        \
      GTEST_SKIP() << name << " is not installed";                                        \
    }                                                                                     \
  } while (0)
