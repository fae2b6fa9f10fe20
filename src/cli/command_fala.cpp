// tavelao-cli fala BOLA --wav ARQUIVO: what the program says aloud for a ball
// (or, with --vitoria, for a winning card), written as a WAV file.

#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
#include <string>

#include "card/card_bank.h"
#include "cli/cli_steps.h"
#include "cli/commands.h"
#include "common/output_file.h"
#include "common/text.h"
#include "draw/ball_call.h"
#include "speech/espeak_voice.h"
#include "speech/wav_file.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    RequiredOption("wav", "ARQUIVO", "o arquivo WAV a gravar com a fala"),
    FlagOption("vitoria", "fala a vitória da cartela BOLA (\"Bingo! Cartela ...\") em vez da pedra"),
};
constexpr ArgumentDeclaration kArguments[] = {
    Argument("BOLA", "a pedra, de 1 a 100 (00 é 100); com --vitoria, o número da cartela")};

// A WAV over a table loses the table; over another file of the user, that
// file. Only a WAV is replaced.
Status CheckWavOutput(const std::filesystem::path& wav) {
  if (Status table = RefuseTableFile(wav); !table) return table;
  std::error_code ec;
  if (std::filesystem::exists(wav, ec) && !speech::IsWavFile(wav)) {
    return Fail("O arquivo " + QuotedFileName(wav) + " já existe e não é um arquivo WAV: escolha outro nome.");
  }
  return {};
}

// The words of the ball typed, in the title letters of the folder's options.
std::optional<std::string> BallWords(CliContext& context, const std::string& typed, int& status) {
  auto ball = ParseInt32(Trim(typed));
  if (Trim(typed) == "00") ball = draw::kBallCount;
  if (!ball || !draw::IsBall(*ball)) {
    context.err << "Pedra inválida: \"" << typed << "\". Use números de 1 a 100 (00 é 100).\n";
    status = kExitUsage;
    return std::nullopt;
  }
  auto ws = context.OpenWorkspace(FolderAccess::Reads);
  if (!ws) {
    status = context.workspace_failure;
    return std::nullopt;
  }
  auto options = ReadStoredCardOptions(context, *ws);
  if (!options) {
    status = kExitRefused;
    return std::nullopt;
  }
  return draw::BallCallText(*ball, options->letters);
}

std::optional<std::string> WinWords(CliContext& context, const std::string& typed, int& status) {
  const auto card = ParseInt32(Trim(typed));
  if (!card) {
    context.err << ConversionErrorMessage(typed) << "\n";
    status = kExitUsage;
    return std::nullopt;
  }
  if (!card::CardBank::InRange(*card)) {
    context.err << "A cartela " << *card << " não existe: o banco de cartelas vai de 1 a " << card::kBankCapacity
                << ".\n";
    status = kExitRefused;
    return std::nullopt;
  }
  return draw::WinCallText(*card);
}

int RunFala(CliContext& context, const CommandArgs& args) {
  const std::string& typed = args.arguments().front();
  const std::filesystem::path wav = *args.Value("wav");
  int status = kExitOk;
  const auto words = args.Flag("vitoria") ? WinWords(context, typed, status) : BallWords(context, typed, status);
  if (!words) return status;
  if (Status allowed = CheckWavOutput(wav); !allowed) {
    context.err << allowed.error() << "\n";
    return kExitRefused;
  }
  const auto audio = speech::Synthesize(*words);
  if (!audio) {
    context.err << audio.error() << "\n";
    return kExitRefused;
  }
  if (Status written = speech::WriteWavFile(wav, *audio); !written) {
    context.err << written.error() << "\n";
    return kExitRefused;
  }
  context.out << wav.string() << " gravado: \"" << *words << "\", " << std::fixed << std::setprecision(1)
              << audio->Seconds() << " s.\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kFalaCommand{
    .name = "fala",
    .summary = "grava em WAV o que o Tavelão fala ao chamar a pedra (ou a vitória de uma cartela)",
    .options = kOptions,
    .arguments = kArguments,
    .notes =
        "A pedra é falada com as letras do título da pasta atual (\"N, quarenta e dois\"), pela voz\n"
        "em português do Brasil do espeak-ng. Só um arquivo WAV já existente é substituído.",
    .run = RunFala,
};

}  // namespace tavelao::cli
