// tavelao-cli confere: a card of the bank against the given balls, as the
// card conference shows it.

#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "common/text.h"
#include "draw/ball.h"
#include "draw/card_conference.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kOptions[] = {
    ValueOption("bolas", "7,42,100,...", "as pedras sorteadas, separadas por vírgulas (00 = 100)"),
};
constexpr ArgumentDeclaration kArguments[] = {Argument("NÚMERO", "a cartela, como digitada na conferência")};

// The balls of "7,42,00", or nullopt with the offending item in `bad`.
std::optional<draw::BallSet> ParseBalls(std::string_view text, std::string& bad) {
  draw::BallSet balls;
  if (Trim(text).empty()) return balls;
  std::stringstream in{std::string(text)};
  for (std::string item; std::getline(in, item, ',');) {
    const std::string_view trimmed = Trim(item);
    auto ball = ParseInt32(trimmed);
    if (trimmed == "00") ball = draw::kBallCount;
    if (!ball || !draw::IsBall(*ball)) {
      bad = std::string(trimmed);
      return std::nullopt;
    }
    balls.Add(*ball);
  }
  return balls;
}

// A drawn number between brackets, one not drawn between spaces.
std::string Cell(const draw::ConferenceCell& cell) {
  return cell.drawn ? "[" + cell.text + "]" : " " + cell.text + " ";
}

int RunConfere(CliContext& context, const CommandArgs& args) {
  const auto balls_text = args.Value("bolas");
  std::string bad;
  const auto drawn = ParseBalls(balls_text.value_or(""), bad);
  if (!drawn) {
    context.err << "Pedra inválida: \"" << bad << "\". Use números de 1 a 100 (\"00\" = 100).\n";
    return kExitUsage;
  }
  const std::string& typed = args.arguments().front();
  if (!ParseInt32(Trim(typed))) return context.UsageError(ConversionErrorMessage(typed));
  auto ws = context.OpenWorkspace(FolderAccess::Reads);
  if (!ws) return context.workspace_failure;
  const draw::ConferResult result = draw::ConferCard(ws->bank, ws->password, ws->issuer, *drawn, typed);
  if (result.kind != draw::ConferResult::Kind::kShown) {
    context.err << draw::kConferenceTitle << ": " << result.message << "\n";
    return kExitRefused;
  }
  const draw::Conference& c = result.conference;
  context.out << c.card_caption << "\n";
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 5; ++column) {
      context.out << (column ? " " : "") << Cell(c.cells[column * 5 + row]);
    }
    context.out << "\n";
  }
  if (!c.authentication_line.empty()) context.out << c.authentication_line << "\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kConfereCommand{
    .name = "confere",
    .summary = "mostra a cartela com as pedras sorteadas marcadas entre colchetes (00 = 100) e a autenticação",
    .options = kOptions,
    .arguments = kArguments,
    .run = RunConfere,
};

}  // namespace tavelao::cli
