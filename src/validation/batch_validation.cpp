#include "validation/batch_validation.h"

#include "common/text.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {

BatchValidation::BatchValidation(ValidatedCards& store, EntryKeys keys, Dialogs& dialogs, Sounds& sounds)
    : store_(store), keys_(keys), dialogs_(dialogs), sounds_(sounds), list_(NoBatchView()) {}

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
  const auto batch = ParseInt32(Trim(typed));
  if (!batch) return Reply();
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
  if (state_ == BatchState::Open) reply.focus = Focus::Cartela;
  return reply;
}

BatchReply BatchValidation::SaveBatch() {
  if (state_ == BatchState::NoBatch) return Reply();
  BatchReply reply = CloseBatch();
  reply.batch_saved = true;
  return reply;
}

BatchReply BatchValidation::RemoveBatch() {
  if (state_ == BatchState::NoBatch) return Reply();
  if (!dialogs_.Ask(kRemoveBatchTitle, kRemoveBatchQuestion)) return Reply();
  if (auto status = store_.RemoveBatch(batch_); !status) {
    dialogs_.Inform(kStoreErrorTitle, status.error());
    return Reply();
  }
  return CloseBatch();
}

BatchReply BatchValidation::EnterCard(std::string_view text) {
  BatchReply reply = Reply();
  if (state_ != BatchState::Open) return reply;
  const ParsedBatchEntry parsed = ParseBatchEntry(text, keys_);
  if (parsed.kind == ParsedBatchEntry::Kind::Nothing) return reply;
  reply.outcome = EntryOutcome::Refused;
  if (parsed.kind == ParsedBatchEntry::Kind::Refused) {
    parsed.refusal.Show(dialogs_);
    return reply;
  }
  const std::int32_t card = parsed.card;
  if (!card::CardBank::InRange(card)) {
    dialogs_.Inform(kNoSuchCardTitle, NoSuchCardMessage(card));
    return reply;
  }
  if (!keys_.bank.HasRecord(card)) {
    dialogs_.Inform(kNoSuchCardTitle, EmptyRecordMessage(card));
    return reply;
  }

  auto found = store_.Find(card);
  if (!found) {
    dialogs_.Inform(kStoreErrorTitle, found.error());
    reply.outcome = EntryOutcome::Failed;
    return reply;
  }
  if (*found) {
    sounds_.Play(kSoundAlreadyValidated);
    dialogs_.Inform(kPreviousTitle, PreviousValidationMessage(**found));
    return reply;
  }

  const std::int32_t entry = highest_ + 1;
  if (auto status = store_.ValidateInBatch(card, batch_, entry); !status) {
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
