#pragma once
// The validation store "Validadas.cds": one record per validated card
// (Numero, Lote, Lan, N1..N25), unique by Numero. Every operation acts on
// the whole table, whatever view a screen shows of it. The count is kept in
// memory; whoever changes the table other than through this class (the
// direct panel's grid) goes through UpdateRecord/RemoveRecord or calls
// Recount.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "card/card_bank.h"
#include "common/result.h"
#include "store/query.h"
#include "store/record.h"
#include "store/table.h"
#include "validation/validated_cards.h"

namespace tavelao::validation {

struct ValidatedCard {
  std::int32_t card = 0;  // Numero
  Placement placement;
};

class ValidationStore final : public ValidatedCards {
 public:
  // Over the open table (session::OpenValidation) and the filled card bank,
  // both outliving the store. Adds the index on Lote;Lan that the batch
  // window's view and the highest-entry look-up use.
  static Result<std::unique_ptr<ValidationStore>> Attach(store::Table& table, const card::CardBank& bank);
  ~ValidationStore() override;

  // count, is validated, batch and entry of
  std::int64_t Count() const override { return count_; }
  Result<std::optional<Placement>> Find(std::int32_t card) override;
  Result<bool> IsValidated(std::int32_t card);

  // validate directly, validate in batch (N1..N25 copied from the bank)
  Status ValidateDirectly(std::int32_t card) override;
  Status ValidateInBatch(std::int32_t card, std::int32_t batch, std::int32_t entry) override;

  // remove, clear, highest entry, remove batch
  Status Remove(std::int32_t card) override;
  Status Clear() override;
  Result<std::int32_t> HighestEntry(std::int32_t batch) override;
  Status RemoveBatch(std::int32_t batch) override;

  Status BeginBulk() override;
  Status EndBulk() override;

  // iterate: every card in card-number order until `visit` returns false,
  // and the k-th card (1-based) in that order.
  Status ForEach(const std::function<bool(const ValidatedCard&)>& visit);
  Result<std::optional<ValidatedCard>> CardAt(std::int64_t k);

  // The direct panel's grid edits records in place; the unique index
  // refuses a repeated Numero.
  Status UpdateRecord(std::int64_t row_id, const store::Record& record);
  // One cell of that grid typed in: Numero must name a card of the bank
  // (its numbers are copied again), Lote and Lan take a whole number or
  // nothing, N1..N25 any two characters.
  Status EditField(const store::Row& row, std::string_view field, std::string_view text);
  Status RemoveRecord(std::int64_t row_id);
  Status Recount();

  store::Table& table() { return *table_; }

  // Called after every validation that reached the disk (a range at its
  // end): where the safety copies are taken.
  void AfterEachCommit(std::function<void()> hook) { after_commit_ = std::move(hook); }

 private:
  ValidationStore(store::Table& table, const card::CardBank& bank);
  Status Add(std::int32_t card, const Placement& placement);

  store::Table* table_;
  const card::CardBank* bank_;
  std::int64_t count_ = 0;
  std::size_t numbers_at_ = 0;  // index of N1; N2..N25 follow
  std::unique_ptr<store::Table::Transaction> bulk_;
  std::function<void()> after_commit_;
};

// The views the screens show of the store (filter and order).
store::Query DirectView();                   // every card by Numero
store::Query NoBatchView();                  // "lote=100000", "Lote;Lan"
store::Query BatchView(std::int32_t batch);  // "lote=N", "Lote;Lan"

}  // namespace tavelao::validation
