#include "validation/batch_validation.h"

#include <algorithm>

#include "common/text.h"
#include "validation/issued_cards.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {

namespace {

// Batch numbers are short; bar codes have 7 or 12 digits.
constexpr std::size_t kScanLength = 7;

bool LooksScanned(std::string_view text) {
  return text.size() >= kScanLength &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

BatchValidation::BatchValidation(ValidatedCards& store, EntryKeys keys, Dialogs& dialogs, Sounds& sounds,
                                 std::optional<session::TablePlace> issued_place, BatchClaims* claims)
    : store_(store),
      keys_(keys),
      dialogs_(dialogs),
      sounds_(sounds),
      issued_place_(std::move(issued_place)),
      claims_(claims),
      list_(NoBatchView()) {}

std::string BatchValidation::CountText() const { return count_shown_ ? std::to_string(store_.Count()) : std::string(); }

BatchWindowView BatchValidation::view() const {
  BatchWindowView v;
  v.state = state_;
  v.batch = batch_;
  v.highest_entry = highest_;
  v.lote_enabled = state_ == BatchState::NoBatch;
  v.choice_enabled = state_ != BatchState::NoBatch;
  v.cartela_enabled = state_ == BatchState::Open;
  v.count = CountText();
  v.list = list_;
  return v;
}

BatchReply BatchValidation::Reply() const {
  BatchReply reply;
  reply.view = view();
  return reply;
}

BatchReply BatchValidation::CloseBatch() {
  state_ = BatchState::NoBatch;
  list_ = NoBatchView();
  BatchReply reply = Reply();
  reply.empty_lote = true;
  reply.focus = Focus::Lote;
  return reply;
}

BatchReply BatchValidation::Activate() {
  BatchReply reply = CloseBatch();
  reply.empty_cartela = true;
  return reply;
}

BatchReply BatchValidation::LeaveLote(std::string_view text) {
  if (state_ != BatchState::NoBatch) return Reply();
  // The field upper-cases as it is typed; a caller without one gets the same.
  const std::string typed = ToUpperLatin(text);
  if (typed == kClearWord) {
    if (dialogs_.Ask(kClearTitle, kClearFromBatchQuestion)) {
      if (auto status = store_.Clear(); !status) dialogs_.Inform(kStoreErrorTitle, status.error());
      count_shown_ = true;
    }
    BatchReply reply = Reply();
    reply.empty_lote = true;
    return reply;
  }
  if (LooksScanned(Trim(typed))) {
    dialogs_.Inform(kNotABatchTitle, NotABatchMessage(Trim(typed)));
    BatchReply reply = Reply();
    reply.select_lote = true;
    reply.focus = Focus::Lote;
    return reply;
  }
  const auto batch = ParseInt32(Trim(typed));
  if (!batch) return Reply();
  if (claims_) {
    if (auto claimed = claims_->Claim(*batch); !claimed) {
      dialogs_.Inform(kBatchTakenTitle, claimed.error());
      BatchReply reply = Reply();
      reply.select_lote = true;
      reply.focus = Focus::Lote;
      return reply;
    }
  }
  auto highest = store_.HighestEntry(*batch);
  if (!highest) {
    dialogs_.Inform(kStoreErrorTitle, highest.error());
    return Reply();
  }
  batch_ = *batch;
  highest_ = *highest;
  state_ = highest_ >= kBatchCapacity ? BatchState::Full : BatchState::Open;
  list_ = BatchView(batch_);
  BatchReply reply = Reply();
  reply.notice = std::string();
  if (state_ == BatchState::Open) reply.focus = Focus::Cartela;
  return reply;
}

BatchReply BatchValidation::SaveBatch() {
  if (state_ == BatchState::NoBatch) return Reply();
  const std::int32_t batch = batch_;
  const std::int32_t cards = highest_;
  BatchReply reply = CloseBatch();
  reply.batch_saved = true;
  reply.empty_cartela = true;
  reply.notice = BatchSavedNotice(batch, cards);
  return reply;
}

BatchReply BatchValidation::RemoveBatch() {
  if (state_ == BatchState::NoBatch) return Reply();
  BatchReply kept = Reply();
  if (state_ == BatchState::Open) kept.focus = Focus::Cartela;  // back to scanning
  if (!dialogs_.Ask(kRemoveBatchTitle, kRemoveBatchQuestion)) return kept;
  if (auto status = store_.RemoveBatch(batch_); !status) {
    dialogs_.Inform(kStoreErrorTitle, status.error());
    return kept;
  }
  return CloseBatch();
}

BatchReply BatchValidation::EnterCard(std::string_view text) {
  BatchReply reply = Reply();
  if (state_ != BatchState::Open) return reply;
  const ParsedBatchEntry parsed = ParseBatchEntry(text, keys_);
  if (parsed.kind == ParsedBatchEntry::Kind::Nothing) return reply;
  reply.outcome = EntryOutcome::Refused;
  reply.select_cartela = true;
  if (parsed.kind == ParsedBatchEntry::Kind::Refused) {
    parsed.refusal.Show(dialogs_);
    return reply;
  }
  const std::int32_t card = parsed.card;
  if (!card::CardBank::InRange(card)) {
    dialogs_.Inform(kNoSuchCardTitle, NoSuchCardMessage(card));
    return reply;
  }

  const auto previously = [this](const Placement& placement) {
    sounds_.Play(kSoundAlreadyValidated);
    dialogs_.Inform(kPreviousTitle, PreviousValidationMessage(placement));
  };
  auto found = store_.Find(card);
  if (!found) {
    dialogs_.Inform(kStoreErrorTitle, found.error());
    reply.outcome = EntryOutcome::Failed;
    return reply;
  }
  if (*found) {
    previously(**found);
    return reply;
  }
  if (!ReadIssuedForEntry(issued_place_, dialogs_).Covers(card) &&
      !dialogs_.Ask(kNotIssuedTitle, NotIssuedQuestion(1, card, card))) {
    return reply;
  }

  const std::int32_t entry = highest_ + 1;
  if (auto status = store_.ValidateInBatch(card, batch_, entry); !status) {
    // Another station sharing the store may have validated it a moment ago.
    if (auto now = store_.Find(card); now && *now) {
      previously(**now);
      return reply;
    }
    dialogs_.Inform(kStoreErrorTitle, status.error());
    // Someone else may have moved the batch on; the next card follows the store.
    if (auto highest = store_.HighestEntry(batch_); highest) highest_ = *highest;
    if (highest_ >= kBatchCapacity) state_ = BatchState::Full;
    reply = Reply();
    reply.outcome = EntryOutcome::Failed;
    return reply;
  }
  highest_ = entry;
  count_shown_ = true;
  const bool completed = entry == kBatchCapacity;
  if (completed) {
    sounds_.Play(kSoundBatchFull);
    reply = CloseBatch();
    reply.notice = BatchCompleteNotice(batch_);
  } else {
    sounds_.Play(kSoundValidated);
    reply = Reply();
    reply.focus = Focus::Cartela;
  }
  reply.empty_cartela = true;
  reply.outcome = EntryOutcome::Done;
  reply.card = card;
  reply.entry = entry;
  reply.batch_completed = completed;
  reply.batch_saved = completed;
  return reply;
}

BatchReply BatchValidation::Close() {
  state_ = BatchState::NoBatch;
  list_ = DirectView();
  return Reply();
}

}  // namespace tavelao::validation
