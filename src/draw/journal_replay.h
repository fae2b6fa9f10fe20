#pragma once
// A journalled draw played again through the draw itself, to verify that
// its announced winners follow from its balls (DrawRun::Resume takes up a
// draw that a crash or an accidental close left open).

#include <cstdint>
#include <string>
#include <vector>

#include "common/result.h"
#include "draw/draw_journal.h"
#include "session/workspace.h"

namespace tavelao::draw {

// The events of one draw, in journal order.
std::vector<JournalEvent> EventsOfDraw(const std::vector<JournalEvent>& events, std::int32_t draw);

// `tavelao-cli ata N --verifica`: the chain of the whole journal, then draw
// `draw` replayed over the workspace's validated cards (in a scratch folder,
// so that no table of the workspace changes). Gives "Ata íntegra: N eventos,
// ganhadoras conferem." (N: the draw's events), or the error naming the first
// event altered, removed or whose winners do not follow from the balls.
Result<std::string> VerifyDraw(session::Workspace& workspace, const std::vector<JournalEvent>& events,
                               std::int32_t draw);

}  // namespace tavelao::draw
