#pragma once
// The card file "Cartelas.cds": the cards of the last issue run, one row per
// card in ascending number, which the layouts print. A scratch table,
// rebuilt by every run.

#include <array>
#include <string>

#include "store/value.h"

namespace tavelao::issue {

inline constexpr const char* kCardFile = "Cartelas.cds";

inline constexpr const char* kNumeroField = "Numero";
inline constexpr const char* kDigitoField = "Digito";
// "N1" .. "N25".
std::string NumberField(int k);

// Numero integer, Digito String 2, N1..N25 String 2, in this order.
store::Schema CardFileSchema();

}  // namespace tavelao::issue
