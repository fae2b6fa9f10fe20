#pragma once
// What a draw works on, already open. The draw screen and `tavelao-cli
// sorteia` both take it from OpenDrawTables, so that the two cannot set up
// different draws.

#include <filesystem>
#include <string>

#include "card/card_bank.h"
#include "common/result.h"
#include "store/table.h"

namespace tavelao::session {
struct Workspace;
}

namespace tavelao::draw {

struct DrawTables {
  store::Table& validation;  // "Validadas.cds": the cards a draw loads
  store::Table& standings;   // "sorteadas.cds"
  store::Table& draw_type;   // "TiposSor.cds"
  store::Table& journal;     // "Atas.cds"
  const card::CardBank& bank;
  std::string issuer;            // the installation's issuer digits, for the journal
  std::filesystem::path folder;  // where "sorteadas.cds" is deleted and made again
};

// The draw tables of the workspace, pointing into it. A table it keeps open
// (as start-up leaves them) is used as it is; a closed one is opened into
// the workspace as start-up does: "premios.cds", with the card options (the
// title letters) read from it, "Validadas.cds", and the scratch tables
// "sorteadas.cds" and "TiposSor.cds" created afresh, and the journal
// "Atas.cds", created empty when missing.
Result<DrawTables> OpenDrawTables(session::Workspace& workspace);

}  // namespace tavelao::draw
