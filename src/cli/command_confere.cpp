// tavelao-cli confere: a card of the bank against the given balls, as the
// card conference shows it: whether it plays (it is in the draw card list
// that the validated cards make) and the figures in play it completed.

#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "common/text.h"
#include "draw/ball.h"
#include "draw/card_conference.h"
#include "draw/draw_cards.h"
#include "session/data_files.h"
#include "store/table.h"

namespace tavelao::cli {
namespace {

constexpr std::string_view kPatternHelp =
    "os padrões em jogo além da cheia, separados por vírgulas, só com 25 dezenas: "
    "LINHA, COLUNA, TE, JANELAO, CRUZ, XIS, JANELINHA, BIN, U, PORTA, ELE, CANTOS";

constexpr OptionDeclaration kOptions[] = {
    ValueOption("bolas", "7,42,100,...", "as pedras sorteadas, separadas por vírgulas (00 = 100)"),
    ValueOption("cartelas", "5|15|20|25", "as dezenas das cartelas do sorteio (25 se omitido)"),
    ValueOption("padroes", "PADRÕES", kPatternHelp),
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

// The figures in play of --cartelas and --padroes, or a message for the
// operator.
Result<draw::EvaluationRequest> ParseFigures(const CommandArgs& args) {
  draw::DrawChoice choice;
  if (const auto sizes = args.Value("cartelas")) {
    const auto numbers = ParseInt32(Trim(*sizes));
    choice.card_size = numbers ? draw::CardSizeOf(*numbers) : std::nullopt;
    if (!choice.card_size) return Fail("Tamanho de cartela inválido: \"" + *sizes + "\". Use 5, 15, 20 ou 25.");
  }
  if (const auto patterns = args.Value("padroes")) {
    if (choice.card_size != draw::CardSize::TwentyFive) return Fail("--padroes só vale para cartelas de 25 dezenas.");
    std::stringstream in(*patterns);
    for (std::string item; std::getline(in, item, ',');) {
      const std::string word(Trim(item));
      const auto pattern = draw::PatternOfKeyword(ToUpperLatin(word));
      if (!pattern) return Fail("Padrão desconhecido: \"" + word + "\".");
      choice.patterns[draw::Index(*pattern)] = true;
    }
  }
  return *draw::FiguresInPlay(choice, {});
}

// The cards a draw started now would load: none when nothing was validated.
Result<draw::DrawCards> CardsInPlay(const session::Workspace& ws) {
  const auto path = ws.File(session::kValidationFile);
  auto exists = session::SharedTableExists(ws.place(), session::kValidationFile);
  if (!exists) return std::move(exists).take_error();
  if (!*exists) return draw::DrawCards{};
  // Read only: the program may have the folder while the hall checks a card.
  auto table = ws.server ? session::OpenValidation(ws.place()) : store::Table::OpenReadOnly(path);
  if (!table) return std::move(table).take_error();
  auto loaded = draw::LoadDrawCards(*table, ws.bank);
  if (!loaded) return std::move(loaded).take_error();
  return std::move(loaded->cards);
}

// A drawn number between brackets, one of a completed figure between
// asterisks, one not drawn between spaces.
std::string Cell(const draw::ConferenceCell& cell) {
  if (cell.winning) return "*" + cell.text + "*";
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
  const auto figures = ParseFigures(args);
  if (!figures) return context.UsageError(figures.error());
  const std::string& typed = args.arguments().front();
  if (!ParseInt32(Trim(typed))) return context.UsageError(ConversionErrorMessage(typed));
  auto ws = context.OpenWorkspace(FolderAccess::Reads);
  if (!ws) return context.workspace_failure;
  draw::ConferResult result = draw::ConferCard(ws->bank, ws->password, ws->issuer, *drawn, typed);
  if (result.kind != draw::ConferResult::Kind::kShown) {
    context.err << draw::kConferenceTitle << ": " << result.message << "\n";
    return kExitRefused;
  }
  const auto cards = CardsInPlay(*ws);
  if (!cards) {
    context.err << cards.error() << "\n";
    return kExitRefused;
  }
  draw::JudgeConference(result.conference, *cards, *drawn, *figures);
  const draw::Conference& c = result.conference;
  context.out << c.card_caption << "\n" << c.verdict.headline << "\n";
  for (const std::string& line : c.verdict.completed) context.out << line << "\n";
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
    .summary =
        "mostra se a cartela concorre, as figuras em jogo que completou e a cartela com as pedras sorteadas "
        "entre colchetes (00 = 100), as da figura completada entre asteriscos, e a autenticação",
    .options = kOptions,
    .arguments = kArguments,
    .run = RunConfere,
};

}  // namespace tavelao::cli
