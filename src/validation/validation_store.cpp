#include "validation/validation_store.h"

#include "common/text.h"
#include "validation/validation_messages.h"

namespace tavelao::validation {
namespace {

constexpr const char* kBatchIndex = "LoteLan";

std::string Equals(const char* field, std::int64_t value) { return std::string(field) + "=" + std::to_string(value); }

ValidatedCard ReadCard(const store::Record& record) {
  return {record.Int("Numero").value_or(0), {record.Int("Lote"), record.Int("Lan")}};
}

}  // namespace

ValidationStore::ValidationStore(store::Table& table, const card::CardBank& bank) : table_(&table), bank_(&bank) {}

ValidationStore::~ValidationStore() = default;

Result<std::unique_ptr<ValidationStore>> ValidationStore::Attach(store::Table& table, const card::CardBank& bank) {
  std::unique_ptr<ValidationStore> vs(new ValidationStore(table, bank));
  const auto n1 = store::FindField(table.schema(), "N1");
  if (!n1 || *n1 + 25 > table.schema().size()) {
    return Fail("A tabela \"" + table.file_name() + "\" não tem os campos N1 a N25 em ordem.");
  }
  for (int k = 2; k <= 25; ++k) {
    if (store::FindField(table.schema(), "N" + std::to_string(k)) != *n1 + k - 1) {
      return Fail("A tabela \"" + table.file_name() + "\" não tem os campos N1 a N25 em ordem.");
    }
  }
  vs->numbers_at_ = *n1;
  if (auto status = table.AddIndex(kBatchIndex, "Lote;Lan", /*unique=*/false); !status) {
    return std::move(status).take_error();
  }
  if (auto status = vs->Recount(); !status) return std::move(status).take_error();
  return vs;
}

Status ValidationStore::Recount() {
  auto count = table_->Count();
  if (!count) return std::move(count).take_error();
  count_ = *count;
  return {};
}

Result<std::optional<Placement>> ValidationStore::Find(std::int32_t card) {
  auto row = table_->Locate("Numero", card);
  if (!row) return std::move(row).take_error();
  if (!*row) return std::optional<Placement>();
  return std::optional<Placement>(ReadCard((*row)->record).placement);
}

Result<bool> ValidationStore::IsValidated(std::int32_t card) {
  auto found = Find(card);
  if (!found) return std::move(found).take_error();
  return found->has_value();
}

Status ValidationStore::Add(std::int32_t card, const Placement& placement) {
  if (!card::CardBank::InRange(card)) return Fail(NoSuchCardMessage(card));
  store::Record record = table_->NewRecord();
  record.Set("Numero", card);
  if (placement.batch) record.Set("Lote", *placement.batch);
  if (placement.entry) record.Set("Lan", *placement.entry);
  for (int k = 1; k <= 25; ++k) {
    record.SetAt(numbers_at_ + k - 1, std::string(bank_->CardNumber(card, k)));
  }
  auto id = table_->Insert(record);
  if (!id) return std::move(id).take_error();
  ++count_;
  if (!bulk_ && after_commit_) after_commit_();
  return {};
}

Status ValidationStore::ValidateDirectly(std::int32_t card) { return Add(card, {}); }

Status ValidationStore::ValidateInBatch(std::int32_t card, std::int32_t batch, std::int32_t entry) {
  auto highest = HighestEntry(batch);
  if (!highest) return std::move(highest).take_error();
  if (*highest >= kBatchCapacity || entry > kBatchCapacity) {
    return Fail("O lote " + std::to_string(batch) + " já tem " + std::to_string(kBatchCapacity) +
                " cartelas e não aceita outras.");
  }
  if (entry != *highest + 1) {
    return Fail("O lançamento " + std::to_string(entry) + " não segue o último do lote " + std::to_string(batch) +
                ", que é " + std::to_string(*highest) + ".");
  }
  return Add(card, {batch, entry});
}

Status ValidationStore::Remove(std::int32_t card) {
  auto removed = table_->RemoveWhere(Equals("Numero", card));
  if (!removed) return std::move(removed).take_error();
  count_ -= *removed;
  return {};
}

Status ValidationStore::Clear() {
  if (auto status = table_->RemoveAll(); !status) {
    (void)Recount();
    return status;
  }
  count_ = 0;
  return {};
}

Result<std::int32_t> ValidationStore::HighestEntry(std::int32_t batch) {
  auto max = table_->MaxInt("Lan", Equals("Lote", batch));
  if (!max) return std::move(max).take_error();
  return max->value_or(0);
}

Status ValidationStore::RemoveBatch(std::int32_t batch) {
  auto removed = table_->RemoveWhere(Equals("Lote", batch));
  if (!removed) return std::move(removed).take_error();
  count_ -= *removed;
  return {};
}

Status ValidationStore::BeginBulk() {
  bulk_ = std::make_unique<store::Table::Transaction>(*table_);
  return {};
}

Status ValidationStore::EndBulk() {
  if (!bulk_) return {};
  Status status = bulk_->Commit();
  bulk_.reset();
  if (!status) {
    (void)Recount();
  } else if (after_commit_) {
    after_commit_();
  }
  return status;
}

Status ValidationStore::ForEach(const std::function<bool(const ValidatedCard&)>& visit) {
  return table_->ForEach(DirectView(), [&visit](const store::Row& row) { return visit(ReadCard(row.record)); });
}

Result<std::optional<ValidatedCard>> ValidationStore::CardAt(std::int64_t k) {
  auto row = table_->RowAt(DirectView(), k);
  if (!row) return std::move(row).take_error();
  if (!*row) return std::optional<ValidatedCard>();
  return std::optional<ValidatedCard>(ReadCard((*row)->record));
}

Status ValidationStore::UpdateRecord(std::int64_t row_id, const store::Record& record) {
  return table_->Update(row_id, record);
}

Status ValidationStore::EditField(const store::Row& row, std::string_view field, std::string_view text) {
  store::Record record = row.record;
  const std::string trimmed(Trim(text));
  const bool numero = field == "Numero";
  if (numero || field == "Lote" || field == "Lan") {
    const auto value = ParseInt32(trimmed);
    if (trimmed.empty() && !numero) {
      record.Clear(field);
    } else if (!value) {
      return Fail(ConversionErrorMessage(trimmed));
    } else if (numero && !card::CardBank::InRange(*value)) {
      return Fail(NoSuchCardMessage(*value));
    } else {
      record.Set(field, *value);
    }
    if (numero && value) {
      for (int k = 1; k <= 25; ++k) record.SetAt(numbers_at_ + k - 1, std::string(bank_->CardNumber(*value, k)));
    }
  } else {
    record.Set(field, std::string(text));
  }
  return UpdateRecord(row.id, record);
}

Status ValidationStore::RemoveRecord(std::int64_t row_id) {
  if (auto status = table_->Remove(row_id); !status) return status;
  return Recount();
}

store::Query DirectView() { return {"", "Numero"}; }
store::Query NoBatchView() { return {"lote=100000", "Lote;Lan"}; }
store::Query BatchView(std::int32_t batch) { return {"lote=" + std::to_string(batch), "Lote;Lan"}; }

}  // namespace tavelao::validation
