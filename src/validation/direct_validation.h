#pragma once
// The rules behind the direct validation panel (PanelValidacao): each entry
// validates the cards it names without a batch. The panel reads its field,
// calls one of these and shows the view it gets back.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/dialogs.h"
#include "session/data_files.h"
#include "validation/entry_outcome.h"
#include "validation/entry_parser.h"
#include "validation/validated_cards.h"

namespace tavelao::validation {

// The panel's two labels.
struct DirectPanelView {
  std::string last_validated;  // "Última validada" (LabelUltval): empty until the first entry
  std::string count;           // "Cartelas validadas" (LabelValidadas)
};

struct DirectEntryResult {
  EntryOutcome outcome = EntryOutcome::Ignored;
  std::vector<std::int32_t> added;         // in the order validated
  std::vector<std::int32_t> removed;       // answered Yes to "Exclui da validação?"
  std::optional<std::int32_t> stopped_at;  // Stopped: the card outside the bank
  DirectPanelView view;

  // Done: the labels show the view, the field is emptied and the grid moves
  // to its last record. Otherwise labels and field stay as they were.
  bool refresh() const { return outcome == EntryOutcome::Done; }
};

class DirectValidation {
 public:
  // With `issued_place`, a card outside the register of issued cards of
  // that place is asked about before it is validated.
  DirectValidation(ValidatedCards& store, EntryKeys keys, Dialogs& dialogs,
                   std::optional<session::TablePlace> issued_place = std::nullopt);

  const DirectPanelView& view() const { return view_; }

  // "Validação direta" (MenuDiretaClick): the count is shown.
  DirectPanelView Open();
  // Enter in EditVal (SaiEnter).
  DirectEntryResult Enter(std::string_view text);
  // "Zera as cartelas validadas" (ButtonInivalClick), after its question.
  DirectPanelView Clear();

 private:
  std::string CountText() const;
  // False when the entry names cards to add that were not issued and the
  // operator does not want them.
  bool ConfirmUnissued(const CodeRange& codes);

  ValidatedCards& store_;
  EntryKeys keys_;
  Dialogs& dialogs_;
  std::optional<session::TablePlace> issued_place_;
  DirectPanelView view_;
};

}  // namespace tavelao::validation
