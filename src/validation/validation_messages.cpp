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

std::string WrongDigitMessage(std::string_view number, char right, std::string_view typed) {
  const auto first = number.find_first_not_of('0');
  const std::string_view shown = first == std::string_view::npos ? std::string_view("0") : number.substr(first);
  return "O dígito da cartela " + std::string(shown) + " é " + right + ", não " + std::string(typed) + ".";
}

std::string NotIssuedQuestion(std::int64_t count, std::int32_t first, std::int32_t last) {
  if (count == 1) return "A cartela " + std::to_string(first) + " não foi emitida. Validar mesmo assim?";
  return std::to_string(count) + " cartelas desta entrada, da " + std::to_string(first) + " à " + std::to_string(last) +
         ", não foram emitidas. Validar mesmo assim?";
}

std::string BatchCompleteNotice(std::int32_t batch) { return "Lote " + std::to_string(batch) + " completo"; }

std::string BatchSavedNotice(std::int32_t batch, std::int32_t cards) {
  return "Lote " + std::to_string(batch) + " salvo (" + std::to_string(cards) +
         (cards == 1 ? " cartela" : " cartelas") + ").";
}

std::string NotABatchMessage(std::string_view text) {
  return "\"" + std::string(text) +
         "\" não é um número de lote: parece uma cartela lida pelo leitor. Digite o número do próximo lote.";
}

std::string HeldAfterBatchMessage(std::int32_t batch, std::string_view text) {
  return BatchCompleteNotice(batch) + ": a cartela \"" + std::string(text) +
         "\" não foi validada. Abra o próximo lote e leia-a de novo.";
}

}  // namespace tavelao::validation
