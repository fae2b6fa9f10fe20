#include "draw/draw_tables.h"

#include <utility>

#include "session/data_files.h"
#include "session/workspace.h"

namespace tavelao::draw {
namespace {

// Opens `into` with `open` unless it is open already.
template <typename Open>
Status OpenIfClosed(store::Table& into, Open open) {
  if (into.is_open()) return {};
  auto table = open();
  if (!table) return std::move(table).take_error();
  into = std::move(*table);
  return {};
}

}  // namespace

Result<DrawTables> OpenDrawTables(session::Workspace& ws) {
  const auto& folder = ws.folder;
  const bool read_options = !ws.options.is_open();
  if (auto s = OpenIfClosed(ws.options, [&] { return session::OpenOptions(folder); }); !s) {
    return std::move(s).take_error();
  }
  if (auto s = OpenIfClosed(ws.validation, [&] { return session::OpenValidation(ws.place()); }); !s) {
    return std::move(s).take_error();
  }
  if (auto s = OpenIfClosed(ws.standings, [&] { return session::RebuildStandings(folder); }); !s) {
    return std::move(s).take_error();
  }
  if (auto s = OpenIfClosed(ws.journal, [&] { return session::OpenJournal(ws.place()); }); !s) {
    return std::move(s).take_error();
  }
  if (auto s = OpenIfClosed(ws.draw_type, [&] { return session::RebuildDrawType(folder, ws.options); }); !s) {
    return std::move(s).take_error();
  }
  // Options already open were read by whoever opened them, and may since
  // hold the operator's edits.
  if (read_options) {
    if (auto s = session::ReloadCardOptions(ws); !s) return std::move(s).take_error();
  }
  return DrawTables{ws.validation, ws.standings, ws.draw_type, ws.journal, ws.bank, ws.issuer.Digits(), folder};
}

}  // namespace tavelao::draw
