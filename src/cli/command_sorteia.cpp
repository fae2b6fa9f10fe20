// tavelao-cli sorteia: replays a manual draw over the validated cards of the
// working directory and prints, after each ball, what Memo1 shows.

#include <ostream>
#include <sstream>
#include <vector>

#include "cli/commands.h"
#include "common/dialogs.h"
#include "common/text.h"
#include "draw/draw_run.h"
#include "draw/seeded_random_source.h"
#include "session/data_files.h"

namespace tavelao::cli {
namespace {

using draw::CardSize;
using draw::Pattern;

// Information boxes go to the error stream; nothing here asks questions.
class StreamDialogs : public Dialogs {
 public:
  explicit StreamDialogs(std::ostream& err) : err_(err) {}
  void Inform(std::string_view title, std::string_view text) override { err_ << title << ": " << text << "\n"; }
  bool Ask(std::string_view, std::string_view) override { return false; }

 private:
  std::ostream& err_;
};

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');) items.emplace_back(Trim(item));
  return items;
}

struct Request {
  CardSize size = CardSize::TwentyFive;
  std::vector<Pattern> patterns;
  bool full_card = true;
  std::vector<int> balls;
};

constexpr const char* kPatternList = "LINHA, COLUNA, TE, JANELAO, CRUZ, XIS, JANELINHA, BIN, U, PORTA, ELE, CANTOS";

// The request, or a message for the operator.
Result<Request> ParseRequest(std::vector<std::string> args) {
  Request request;
  const auto sizes = TakeOption(args, "cartelas");
  const auto patterns = TakeOption(args, "padroes");
  const auto balls = TakeOption(args, "bolas");
  request.full_card = !TakeFlag(args, "sem-cheia");
  if (!args.empty()) {
    const std::string& extra = args.front();
    if (extra == "--cartelas" || extra == "--padroes" || extra == "--bolas") return Fail("Falta o valor de " + extra + ".");
    return Fail("Argumento desconhecido: " + extra + ".");
  }
  if (!sizes) return Fail("Falta --cartelas: 5, 15, 20 ou 25 dezenas.");
  const auto numbers = ParseInt32(Trim(*sizes));
  const auto size = numbers ? draw::CardSizeOf(*numbers) : std::nullopt;
  if (!size) return Fail("Tamanho de cartela inválido: \"" + *sizes + "\". Use 5, 15, 20 ou 25.");
  request.size = *size;
  if ((patterns || !request.full_card) && request.size != CardSize::TwentyFive) {
    return Fail("--padroes e --sem-cheia só valem para cartelas de 25 dezenas.");
  }
  if (patterns) {
    for (const std::string& word : SplitList(*patterns)) {
      const auto pattern = draw::PatternOfKeyword(ToUpperLatin(word));
      if (!pattern) return Fail("Padrão desconhecido: \"" + word + "\". Use " + kPatternList + ".");
      request.patterns.push_back(*pattern);
    }
  }
  if (!balls) return Fail("Falta --bolas: as pedras na ordem do sorteio, separadas por vírgulas (ex. 7,42,100).");
  for (const std::string& text : SplitList(*balls)) {
    auto ball = ParseInt32(text);
    if (text == "00") ball = draw::kBallCount;
    if (!ball || !draw::IsBall(*ball)) return Fail("Pedra inválida: \"" + text + "\". Use números de 1 a 100.");
    request.balls.push_back(*ball);
  }
  return request;
}

// The title letters of the options record, for ButtonUltima.
Result<draw::TitleLetters> ReadLetters(store::Table& options) {
  auto first = options.RowAt({}, 1);
  if (!first) return std::move(first).take_error();
  draw::TitleLetters letters = {"B", "I", "N", "G", "O"};
  if (*first) {
    for (int k = 0; k < 5; ++k) letters[k] = (*first)->record.Text(session::kLetterFields[k]);
  }
  return letters;
}

// The tables a draw keeps open, as start-up leaves them.
Status OpenDrawTables(session::Workspace& ws) {
  auto options = session::OpenOptions(ws.folder);
  if (!options) return std::move(options).take_error();
  ws.options = std::move(*options);
  auto validation = session::OpenValidation(ws.folder);
  if (!validation) return std::move(validation).take_error();
  ws.validation = std::move(*validation);
  auto standings = session::RebuildStandings(ws.folder);
  if (!standings) return std::move(standings).take_error();
  ws.standings = std::move(*standings);
  auto draw_type = session::RebuildDrawType(ws.folder, ws.options);
  if (!draw_type) return std::move(draw_type).take_error();
  ws.draw_type = std::move(*draw_type);
  return {};
}

}  // namespace

int RunSorteia(CliContext& context) {
  auto request = ParseRequest(context.args);
  if (!request) {
    context.err << request.error() << "\n";
    return kExitUsage;
  }
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  if (auto status = OpenDrawTables(*ws); !status) {
    context.err << status.error() << "\n";
    return kExitRefused;
  }
  auto letters = ReadLetters(ws->options);
  if (!letters) {
    context.err << letters.error() << "\n";
    return kExitRefused;
  }

  StreamDialogs dialogs(context.err);
  draw::DrawRun run(*ws, dialogs, [] { return draw::SeededRandomSource::FromClock(); });
  Status status = run.OpenDrawChoice();
  run.ClickCardSize(request->size, true);
  for (Pattern p : request->patterns) {
    if (status) status = run.ClickPattern(p, true);
  }
  if (status && !request->full_card) status = run.ClickFullCard(false);
  if (status) {
    (void)run.ConfirmCardSize();
    status = run.StartDraw(draw::DrawMode::Manual);
  }
  if (!status) {
    context.err << status.error() << "\n";
    return kExitRefused;
  }
  for (int ball : request->balls) {
    context.out << "Pedra " << draw::BallLabel(ball) << "\n";
    if (auto outcome = run.ToggleBall(ball, *letters); !outcome) {
      context.err << outcome.error() << "\n";
      return kExitRefused;
    }
    for (const std::string& line : run.state().memo) context.out << line << "\n";
  }
  return kExitOk;
}

}  // namespace tavelao::cli
