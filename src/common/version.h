#pragma once
// The version of this build, as the package and --version show it.

namespace tavelao {

inline constexpr const char* kVersion = TAVELAO_VERSION;

}  // namespace tavelao
