#include "validation/direct_validation.h"

#include "validation/issued_cards.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {

DirectValidation::DirectValidation(ValidatedCards& store, EntryKeys keys, Dialogs& dialogs,
                                   std::optional<session::TablePlace> issued_place)
    : store_(store), keys_(keys), dialogs_(dialogs), issued_place_(std::move(issued_place)) {}

bool DirectValidation::ConfirmUnissued(const CodeRange& codes) {
  const IssuedCards issued = ReadIssuedForEntry(issued_place_, dialogs_);
  if (issued.empty()) return true;
  std::int64_t count = 0;
  std::int32_t first = 0;
  std::int32_t last = 0;
  // Only the cards this entry would add; a store that cannot be read is
  // reported by the walk itself.
  (void)WalkCodes(codes, keys_.bank.capacity(), [&](std::int32_t card) {
    if (issued.Covers(card)) return true;
    if (auto found = store_.Find(card); found && *found) return true;
    if (count++ == 0) first = card;
    last = card;
    return true;
  });
  return count == 0 || dialogs_.Ask(kNotIssuedTitle, NotIssuedQuestion(count, first, last));
}

std::string DirectValidation::CountText() const { return std::to_string(store_.Count()); }

DirectPanelView DirectValidation::Open() {
  view_.count = CountText();
  return view_;
}

DirectEntryResult DirectValidation::Enter(std::string_view text) {
  DirectEntryResult result;
  result.view = view_;
  const ParsedDirectEntry parsed = ParseDirectEntry(text, keys_);
  switch (parsed.kind) {
    case ParsedDirectEntry::Kind::Nothing:
      return result;
    case ParsedDirectEntry::Kind::Dropped:
      result.outcome = EntryOutcome::Dropped;
      return result;
    case ParsedDirectEntry::Kind::Refused:
      parsed.refusal.Show(dialogs_);
      result.outcome = EntryOutcome::Refused;
      return result;
    case ParsedDirectEntry::Kind::Codes:
      break;
  }

  const CodeRange& codes = parsed.codes;
  if (!ConfirmUnissued(codes)) {
    result.outcome = EntryOutcome::Refused;
    return result;
  }
  // A range asks nothing, so its cards go to disk in one commit at its end;
  // a single entry may ask, and each card is on disk before the question.
  const bool bulk = !codes.single;
  std::optional<std::string> failure;
  if (bulk) {
    if (auto status = store_.BeginBulk(); !status) failure = status.error();
  }
  std::int32_t last = 0;
  WalkEnd end;
  if (!failure) {
    const auto already_validated = [&](std::int32_t card) {
      if (codes.single && dialogs_.Ask(kRemoveCardTitle, kRemoveCardQuestion)) {
        if (auto status = store_.Remove(card); !status) {
          failure = status.error();
          return false;
        }
        result.removed.push_back(card);
      }
      return true;
    };
    end = WalkCodes(codes, keys_.bank.capacity(), [&](std::int32_t card) {
      auto found = store_.Find(card);
      if (!found) {
        failure = found.error();
        return false;
      }
      if (*found) return already_validated(card);
      if (auto status = store_.ValidateDirectly(card); !status) {
        // Another station sharing the store may have validated it a moment ago.
        if (auto now = store_.Find(card); now && *now) return already_validated(card);
        failure = status.error();
        return false;
      }
      result.added.push_back(card);
      last = card;
      return true;
    });
  }
  if (bulk) {
    if (auto status = store_.EndBulk(); !status) {
      // The commit was rolled back: none of this entry's cards stayed.
      result.added.clear();
      if (!failure) failure = status.error();
    }
  }

  if (failure) {
    dialogs_.Inform(kStoreErrorTitle, *failure);
    result.outcome = EntryOutcome::Failed;
    return result;
  }
  if (end.kind == WalkEnd::Kind::OutsideBank) {
    dialogs_.Inform(kNoSuchCardTitle, NoSuchCardMessage(end.card));
    result.outcome = EntryOutcome::Stopped;
    result.stopped_at = end.card;
    return result;
  }
  view_.last_validated = std::to_string(last);
  view_.count = CountText();
  result.view = view_;
  result.outcome = EntryOutcome::Done;
  return result;
}

DirectPanelView DirectValidation::Clear() {
  if (!dialogs_.Ask(kClearTitle, kClearFromPanelQuestion)) return view_;
  if (auto status = store_.Clear(); !status) {
    dialogs_.Inform(kStoreErrorTitle, status.error());
    view_.count = CountText();
    return view_;
  }
  view_.count = CountText();
  view_.last_validated.clear();
  return view_;
}

}  // namespace tavelao::validation
