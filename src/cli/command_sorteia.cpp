// tavelao-cli sorteia: replays a manual draw over the validated cards of the
// working directory and prints, after each ball, what Memo1 shows; with
// --servir it then serves the live page of the result until stopped.

#include <ostream>
#include <sstream>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/live_serving.h"
#include "common/text.h"
#include "draw/draw_run.h"
#include "draw/draw_tables.h"
#include "draw/seeded_random_source.h"
#include "web/live_state.h"
#include "web/serve_address.h"

namespace tavelao::cli {
namespace {

using draw::CardSize;
using draw::Pattern;

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

constexpr std::string_view kPatternHelp =
    "os padrões além da cheia, separados por vírgulas, só com 25 dezenas: "
    "LINHA, COLUNA, TE, JANELAO, CRUZ, XIS, JANELINHA, BIN, U, PORTA, ELE, CANTOS";
constexpr std::string_view kPatternList = kPatternHelp.substr(kPatternHelp.find(": ") + 2);

constexpr OptionDeclaration kOptions[] = {
    RequiredOption("cartelas", "5|15|20|25", "as dezenas das cartelas do sorteio"),
    ValueOption("padroes", "PADRÕES", kPatternHelp),
    FlagOption("sem-cheia", "sorteio sem a cartela cheia, só com 25 dezenas"),
    RequiredOption("bolas", "7,42,100,...", "as pedras na ordem do sorteio, separadas por vírgulas (00 = 100)"),
    ValueOption("servir", "ENDEREÇO:PORTA",
                "depois do sorteio, publica a página ao vivo com o seu resultado até ser interrompido (Ctrl+C)"),
};

// The request, or a message for the operator.
Result<Request> ParseRequest(const CommandArgs& args) {
  Request request;
  const auto sizes = args.Value("cartelas");
  const auto patterns = args.Value("padroes");
  const auto balls = args.Value("bolas");
  request.full_card = !args.Flag("sem-cheia");
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
      if (!pattern) return Fail("Padrão desconhecido: \"" + word + "\". Use " + std::string(kPatternList) + ".");
      request.patterns.push_back(*pattern);
    }
  }
  for (const std::string& text : SplitList(*balls)) {
    auto ball = ParseInt32(text);
    if (text == "00") ball = draw::kBallCount;
    if (!ball || !draw::IsBall(*ball)) return Fail("Pedra inválida: \"" + text + "\". Use números de 1 a 100.");
    request.balls.push_back(*ball);
  }
  return request;
}

// Replays the draw; `live_state` gets the live page's state after the last
// ball. The folder is left, its lock freed, when this returns.
int Replay(CliContext& context, const Request& request, std::string& live_state) {
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  auto tables = draw::OpenDrawTables(*ws);
  if (!tables) {
    context.err << tables.error() << "\n";
    return kExitRefused;
  }
  // Read from the options by OpenDrawTables, as start-up reads them for the screens.
  const draw::TitleLetters& letters = ws->card_options.letters;

  CliDialogs dialogs(context.err);
  draw::DrawRun run(*tables, dialogs, [] { return draw::SeededRandomSource::FromClock(); });
  // Nobody reads the standings between two balls of a replay: they are
  // written once, after the last.
  run.WriteStandingsOnFlushOnly();
  Status status = run.OpenDrawChoice();
  if (status) status = run.ClickCardSize(request.size, true);
  for (Pattern p : request.patterns) {
    if (status) status = run.ClickPattern(p, true);
  }
  if (status && !request.full_card) status = run.ClickFullCard(false);
  if (status) {
    (void)run.ConfirmCardSize();
    status = run.StartDraw(draw::DrawMode::Manual);
  }
  if (!status) {
    context.err << status.error() << "\n";
    return kExitRefused;
  }
  for (int ball : request.balls) {
    context.out << "Pedra " << draw::BallLabel(ball) << "\n";
    if (auto outcome = run.ToggleBall(ball, letters); !outcome) {
      context.err << outcome.error() << "\n";
      return kExitRefused;
    }
    std::string text;
    run.state().memo.AppendText(0, run.state().memo.size(), text);
    context.out << text;
  }
  // The replay ends in the journal as a draw does, its tables left as the
  // last ball made them.
  if (auto ended =
          run.RecordEvent(draw::EventKind::Ended, {{"pedras", std::to_string(run.state().drawn_order.size())}});
      !ended) {
    context.err << ended.error() << "\n";
    return kExitRefused;
  }
  if (auto written = run.FlushStandings(); !written) {
    context.err << written.error() << "\n";
    return kExitRefused;
  }
  live_state = web::LiveStateJson(run.state(), letters, ws->card_options.prizes[0], run.draw_number());
  return kExitOk;
}

}  // namespace

int RunSorteia(CliContext& context, const CommandArgs& args) {
  auto request = ParseRequest(args);
  if (!request) {
    context.err << request.error() << "\n";
    return kExitUsage;
  }
  std::optional<web::ServeAddress> serve;
  if (const auto address = args.Value("servir")) {
    auto parsed = web::ParseServeAddress(*address);
    if (!parsed) {
      context.err << parsed.error() << "\n";
      return kExitUsage;
    }
    serve = *parsed;
  }
  std::string live_state;
  const int replayed = Replay(context, *request, live_state);
  if (replayed != kExitOk || !serve) return replayed;
  return ServeUntilStopped(context, *serve, std::move(live_state));
}

constinit const CommandDeclaration kSorteiaCommand{
    .name = "sorteia",
    .summary = "repete um sorteio manual sobre as cartelas validadas e mostra, após cada pedra, o quadro de resultados",
    .options = kOptions,
    .run = RunSorteia,
};

}  // namespace tavelao::cli
