#pragma once
// The rules behind the batch window (TFormInc, "Validação por lote"): a
// numbered batch is opened in the field "Lote" and takes up to 100 cards,
// each with the next entry number. States: no batch, batch open, batch
// full. Each handler of the window calls one of these and applies the
// reply: enabled fields, emptied fields, focus, labels and the list's view.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/dialogs.h"
#include "common/sounds.h"
#include "session/data_files.h"
#include "store/query.h"
#include "validation/batch_claims.h"
#include "validation/entry_outcome.h"
#include "validation/entry_parser.h"
#include "validation/validated_cards.h"

namespace tavelao::validation {

enum class BatchState { NoBatch, Open, Full };

struct BatchWindowView {
  BatchState state = BatchState::NoBatch;
  std::int32_t batch = 0;          // the open batch (Open, Full)
  std::int32_t highest_entry = 0;  // its highest entry number so far
  bool lote_enabled = true;        // field "Lote" (EditLote)
  bool choice_enabled = false;     // PanelSalva: "Salva o Lote", "Exclui o lote"
  bool cartela_enabled = false;    // field "Cartela" (EditVal)
  std::string count;               // "Cartelas validadas:", blank until shown once
  store::Query list;               // filter and order of the read-only list
};

enum class Focus { Unchanged, Lote, Cartela };

struct BatchReply {
  BatchWindowView view;
  bool empty_lote = false;
  bool empty_cartela = false;
  // A refused text stays selected, so that the reader's next scan replaces it.
  bool select_lote = false;
  bool select_cartela = false;
  Focus focus = Focus::Unchanged;
  // LabelAviso: "Lote 3 completo", "Lote 3 salvo (100 cartelas).", or
  // emptied when a batch opens; nullopt leaves it as it is.
  std::optional<std::string> notice;

  // EnterCard only.
  EntryOutcome outcome = EntryOutcome::Ignored;
  std::optional<std::int32_t> card;  // Done: the card validated
  std::int32_t entry = 0;            // Done: its entry number
  bool batch_completed = false;      // Done with entry 100: the batch was closed

  // SaveBatch, or a batch completed: time for a safety copy.
  bool batch_saved = false;
};

class BatchValidation {
 public:
  // With `issued_place`, a card outside the register of issued cards of
  // that place is asked about before it is validated. With `claims`, a
  // batch opened by another station sharing the store is refused.
  BatchValidation(ValidatedCards& store, EntryKeys keys, Dialogs& dialogs, Sounds& sounds,
                  std::optional<session::TablePlace> issued_place = std::nullopt, BatchClaims* claims = nullptr);

  BatchWindowView view() const;

  // FormActivate: the window was shown or came back to the front.
  BatchReply Activate();
  // EditLoteExit: a batch number opens the batch, "INICIA" clears the store.
  // A text of seven or more digits is a card read by the bar-code reader
  // after a batch was completed, not a batch number: it is refused.
  BatchReply LeaveLote(std::string_view text);
  // RBSalvaClick; the radio button is always unchecked again.
  BatchReply SaveBatch();
  // RBExcluiClick, after its question; the radio button is always unchecked again.
  BatchReply RemoveBatch();
  // Enter in "Cartela" (SaiEnterV).
  BatchReply EnterCard(std::string_view text);
  // FormClose: the list goes back to every card by Numero.
  BatchReply Close();

 private:
  BatchReply Reply() const;
  // Back to the no-batch state with "Lote" emptied and focused.
  BatchReply CloseBatch();
  std::string CountText() const;

  ValidatedCards& store_;
  EntryKeys keys_;
  Dialogs& dialogs_;
  Sounds& sounds_;
  std::optional<session::TablePlace> issued_place_;
  BatchClaims* claims_;
  BatchState state_ = BatchState::NoBatch;
  std::int32_t batch_ = 0;
  std::int32_t highest_ = 0;
  bool count_shown_ = false;
  store::Query list_;
};

}  // namespace tavelao::validation
