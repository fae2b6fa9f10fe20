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
inline constexpr std::string_view kDigitMessage = "O dígito da cartela não bate com o calculado pelo sistema.";
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

// The store could not be read or written; the text names the file.
inline constexpr std::string_view kStoreErrorTitle = "Erro nas cartelas validadas";

// Sounds of the batch window.
inline constexpr const char* kSoundAlreadyValidated = "validada.wav";
inline constexpr const char* kSoundBatchFull = "cem.wav";
inline constexpr const char* kSoundValidated = "beep.wav";

}  // namespace tavelao::validation
