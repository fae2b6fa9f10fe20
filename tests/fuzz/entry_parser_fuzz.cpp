// Any text typed or scanned into either validation screen: no crash, and
// each entry ends validated, refused with one message, or dropped without
// one. The store is a fake in memory so that ranges of a hundred thousand
// cards stay fast; the first byte picks the password, the answer to the
// questions and the batch.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/dialogs.h"
#include "common/sounds.h"
#include "validation/batch_validation.h"
#include "validation/direct_validation.h"
#include "validation/entry_parser.h"
#include "validation/validated_cards.h"

namespace {

using namespace tavelao;
using namespace tavelao::validation;

void Require(bool condition) {
  if (!condition) std::abort();
}

class MemoryCards : public ValidatedCards {
 public:
  MemoryCards() : slots_(card::kBankCapacity + 1) {}

  void Reset() {
    for (std::int32_t card : touched_) slots_[card].reset();
    touched_.clear();
    batches_.clear();
    count_ = 0;
  }

  std::int64_t Count() const override { return count_; }
  Result<std::optional<Placement>> Find(std::int32_t card) override {
    if (!card::CardBank::InRange(card)) return std::optional<Placement>();
    return slots_[card];
  }
  Status ValidateDirectly(std::int32_t card) override { return Add(card, {}); }
  Status ValidateInBatch(std::int32_t card, std::int32_t batch, std::int32_t entry) override {
    const std::int32_t highest = *HighestEntry(batch);
    if (highest >= kBatchCapacity || entry != highest + 1) return Fail("lançamento fora de ordem");
    if (auto status = Add(card, {batch, entry}); !status) return status;
    batches_[batch].insert(entry);
    return {};
  }
  Status Remove(std::int32_t card) override {
    if (!card::CardBank::InRange(card) || !slots_[card]) return {};
    if (const auto& p = *slots_[card]; p.batch) batches_[*p.batch].erase(*p.entry);
    slots_[card].reset();
    --count_;
    return {};
  }
  Status Clear() override {
    Reset();
    return {};
  }
  Result<std::int32_t> HighestEntry(std::int32_t batch) override {
    const auto it = batches_.find(batch);
    return it == batches_.end() || it->second.empty() ? 0 : *it->second.rbegin();
  }
  Status RemoveBatch(std::int32_t batch) override {
    for (std::int32_t card : touched_) {
      if (slots_[card] && slots_[card]->batch == batch) (void)Remove(card);
    }
    batches_.erase(batch);
    return {};
  }
  Status BeginBulk() override { return {}; }
  Status EndBulk() override { return {}; }

 private:
  Status Add(std::int32_t card, const Placement& placement) {
    if (!card::CardBank::InRange(card)) return Fail("cartela fora do banco");
    if (slots_[card]) return Fail("cartela repetida");
    slots_[card] = placement;
    touched_.push_back(card);
    ++count_;
    return {};
  }

  std::vector<std::optional<Placement>> slots_;
  std::vector<std::int32_t> touched_;
  std::map<std::int32_t, std::set<std::int32_t>> batches_;
  std::int64_t count_ = 0;
};

class CountingDialogs : public Dialogs {
 public:
  void Inform(std::string_view, std::string_view text) override {
    Require(!text.empty());
    ++messages;
  }
  bool Ask(std::string_view, std::string_view) override {
    ++questions;
    return yes;
  }
  bool yes = false;
  int messages = 0;
  int questions = 0;
};

class NoSounds : public Sounds {
 public:
  void Play(const std::string&) override {}
};

struct World {
  World() { bank.LoadBuiltIn(); }
  card::CardBank bank;
  card::Password password;
  card::IssuerNumber issuer;
  MemoryCards cards;
  CountingDialogs dialogs;
  NoSounds sounds;
};

void CheckDirect(World& w, const std::string& text) {
  DirectValidation panel(w.cards, {w.bank, w.password, w.issuer}, w.dialogs);
  const int before = w.dialogs.messages;
  const std::int64_t count_before = w.cards.Count();
  const DirectEntryResult r = panel.Enter(text);
  const int shown = w.dialogs.messages - before;
  switch (r.outcome) {
    case EntryOutcome::Ignored:
    case EntryOutcome::Dropped:
      Require(shown == 0 && w.cards.Count() == count_before);
      break;
    case EntryOutcome::Refused:
      Require(shown == 1 && w.cards.Count() == count_before);
      break;
    case EntryOutcome::Stopped:
      Require(shown == 1 && r.stopped_at.has_value());
      break;
    case EntryOutcome::Done:
      Require(shown == 0 && r.view.count == std::to_string(w.cards.Count()));
      Require(r.view.last_validated == (r.added.empty() ? "0" : std::to_string(r.added.back())));
      break;
    case EntryOutcome::Failed:
      std::abort();  // the fake store never fails
  }
  Require(w.cards.Count() ==
          count_before + static_cast<std::int64_t>(r.added.size()) - static_cast<std::int64_t>(r.removed.size()));
  for (std::int32_t card : r.added) Require(card::CardBank::InRange(card));
  Require(std::set<std::int32_t>(r.added.begin(), r.added.end()).size() == r.added.size());
}

void CheckBatch(World& w, const std::string& batch, const std::string& text) {
  BatchValidation window(w.cards, {w.bank, w.password, w.issuer}, w.dialogs, w.sounds);
  window.Activate();
  window.LeaveLote(batch);
  const int before = w.dialogs.messages;
  const std::int64_t count_before = w.cards.Count();
  const BatchReply r = window.EnterCard(text);
  const int shown = w.dialogs.messages - before;
  switch (r.outcome) {
    case EntryOutcome::Ignored:
      Require(shown == 0 && w.cards.Count() == count_before);
      break;
    case EntryOutcome::Refused:
      Require(shown == 1 && w.cards.Count() == count_before);
      break;
    case EntryOutcome::Done:
      Require(shown == 0 && w.cards.Count() == count_before + 1);
      Require(r.card && w.bank.HasRecord(*r.card) && r.entry >= 1 && r.entry <= kBatchCapacity);
      break;
    default:
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static World world;
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  world.cards.Reset();
  world.password = mode & 1 ? *card::Password::FromText("ABCDE") : card::Password();
  world.dialogs.yes = (mode & 2) != 0;
  // Some cards already there, so that repeats, removals and full batches happen.
  (void)world.cards.ValidateDirectly(1);
  for (std::int32_t entry = 1; entry <= (mode & 4 ? kBatchCapacity : 37); ++entry) {
    (void)world.cards.ValidateInBatch(100 + entry, 7, entry);
  }

  CheckDirect(world, text);
  CheckBatch(world, mode & 8 ? "7" : "8", text);
  // The same text typed into "Lote".
  CheckBatch(world, text, "19");
  if (const auto with_digit = AppendCheckDigit(text)) Require(with_digit->size() >= 1);
  return 0;
}
