#pragma once
// Every text the validation screens show, and the sounds they play.

#include <cstdint>
#include <string>
#include <string_view>

#include "validation/validated_cards.h"

namespace tavelao::validation {

// Removing one card from the direct panel.
inline constexpr std::string_view kRemoveCardTitle = "Exclusão de cartela";
inline constexpr std::string_view kRemoveCardQuestion = "Cartela já validada. Exclui da validação?";

// Clearing the store: from the direct panel, and with "INICIA" in the batch window.
inline constexpr std::string_view kClearTitle = "Inicia validação";
inline constexpr std::string_view kClearFromPanelQuestion =
    "Quer mesmo cancelar todas as validacões existentes e iniciar o processo?";
inline constexpr std::string_view kClearFromBatchQuestion =
    "Quer mesmo cancelar todas as validacões existentes e reiniciar o processo?";
inline constexpr std::string_view kClearWord = "INICIA";

// Removing the open batch.
inline constexpr std::string_view kRemoveBatchTitle = "Exclui validação";
inline constexpr std::string_view kRemoveBatchQuestion = "Quer mesmo excluir a validação de todo o lote?";

// A card entered in a batch that is already validated.
inline constexpr std::string_view kPreviousTitle = "Validação anterior";
std::string PreviousValidationMessage(const Placement& placement);

// Checks of an entry.
inline constexpr std::string_view kDigitTitle = "Verificação do dígito da cartela";
// "O dígito da cartela 1 é 9, não 4.": the number without its leading zeros.
std::string WrongDigitMessage(std::string_view number, char right, std::string_view typed);
inline constexpr std::string_view kPasswordTitle = "Senha de autenticação";
inline constexpr std::string_view kPasswordMessage =
    "Para validar estas cartelas pelo código de barras, entre com a senha de autenticação.";
inline constexpr std::string_view kForgedTitle = "Código de autenticação inválido";
// Never names the right code: whoever holds a forged card would read it.
inline constexpr std::string_view kForgedMessage =
    "O código de autenticação da cartela não bate com o calculado pelo sistema.";

// A card number with no card behind it.
inline constexpr std::string_view kNoSuchCardTitle = "Cartela inexistente";
// Outside 1..120000.
std::string NoSuchCardMessage(std::int64_t card);
// Inside, but the bank of this installation has no record for it.
std::string EmptyRecordMessage(std::int64_t card);

// A card outside every range of the register of issued cards.
inline constexpr std::string_view kNotIssuedTitle = "Cartela não emitida";
// "A cartela 999 não foi emitida. Validar mesmo assim?"; for several cards
// of one entry, how many and the first and last of them.
std::string NotIssuedQuestion(std::int64_t count, std::int32_t first, std::int32_t last);
inline constexpr std::string_view kIssuedErrorTitle = "Erro nas cartelas emitidas";

// The batch window's notices, in its label LabelAviso.
std::string BatchCompleteNotice(std::int32_t batch);                   // "Lote 3 completo"
std::string BatchSavedNotice(std::int32_t batch, std::int32_t cards);  // "Lote 3 salvo (100 cartelas)."
// A bar-code reader's card read into the field "Lote".
inline constexpr std::string_view kNotABatchTitle = "Número de lote";
std::string NotABatchMessage(std::string_view text);
// A card read while a box was open, after which the batch was complete.
std::string HeldAfterBatchMessage(std::int32_t batch, std::string_view text);

// The store could not be read or written; the text names the file.
inline constexpr std::string_view kStoreErrorTitle = "Erro nas cartelas validadas";

// Sounds of the batch window.
inline constexpr const char* kSoundAlreadyValidated = "validada.wav";
inline constexpr const char* kSoundBatchFull = "cem.wav";
inline constexpr const char* kSoundValidated = "beep.wav";

}  // namespace tavelao::validation
