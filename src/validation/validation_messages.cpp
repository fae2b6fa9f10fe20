#include "validation/validation_messages.h"

#include "card/card_bank.h"
#include "common/text.h"

namespace tavelao::validation {
namespace {

std::string OrUndefined(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : std::string("Indefinido");
}

}  // namespace

std::string PreviousValidationMessage(const Placement& placement) {
  return "Cartela já validada no lote " + OrUndefined(placement.batch) + " lançamento " + OrUndefined(placement.entry) +
         ".";
}

std::string NoSuchCardMessage(std::int64_t card) {
  return "A cartela " + std::to_string(card) + " não existe: o banco de cartelas vai de 1 a " +
         std::to_string(card::kBankCapacity) + ".";
}

std::string EmptyRecordMessage(std::int64_t card) {
  return "A cartela " + SixDigits(static_cast<std::int32_t>(card)) + " não está no banco de cartelas desta instalação.";
}

}  // namespace tavelao::validation
