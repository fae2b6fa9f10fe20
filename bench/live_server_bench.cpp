// One ball on the live page of a full hall: 500 WebSocket clients connected
// (in this process, over 127.0.0.1), and the time from Publish of a state
// with 60 balls and a few winners to the message reaching the last client.
// A ball must reach every phone within 100 ms (median).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWebSocket>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "web/server/live_server.h"

namespace {

using tavelao::web::LiveServer;

// A mid-game state as the program publishes it: 60 balls, their last, two
// draw types and five winners.
std::string MidGameState(int ball_count, int serial) {
  std::string balls;
  for (int i = 0; i < ball_count; ++i) balls += (i ? ", " : "") + std::to_string((i * 37 + serial) % 100 + 1);
  std::string winners;
  for (int i = 0; i < 5; ++i) {
    winners += std::string(i ? ", " : "") + R"({"cartela": "0)" + std::to_string(10000 + i * 731) +
               R"(-3", "tipo": "LINHA", "pedra": )" + std::to_string(40 + i) + "}";
  }
  return R"({"sorteio": )" + std::to_string(serial) +
         R"(, "titulo": "GRANDE BINGO DA FESTA JUNINA", "letras": "BINGO", "em_jogo": 100, "bolas": [)" + balls +
         R"(], "ultima": )" + std::to_string((ball_count - 1) * 37 % 100 + 1) +
         R"(, "tipos": ["LINHA", "CARTELA CHEIA"], "ganhadoras": [)" + winners + R"(], "total_ganhadoras": 5})";
}

void BM_PublishToFiveHundredClients(benchmark::State& state) {
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;
  setrlimit(RLIMIT_NOFILE, &files);

  LiveServer server;
  if (!server.Listen({"127.0.0.1", 0}).ok()) return state.SkipWithError("no port");
  long long received = 0;
  std::vector<std::unique_ptr<QWebSocket>> clients;
  for (int i = 0; i < LiveServer::kMaxClients; ++i) {
    auto client = std::make_unique<QWebSocket>();
    client->setProxy(QNetworkProxy::NoProxy);
    QObject::connect(client.get(), &QWebSocket::textMessageReceived, [&received] { ++received; });
    client->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ao-vivo").arg(server.port())));
    clients.push_back(std::move(client));
  }
  const auto wait_for = [&](long long messages) {
    QElapsedTimer waited;
    waited.start();
    while (received < messages && waited.elapsed() < 10'000) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return received >= messages;
  };
  if (!wait_for(LiveServer::kMaxClients)) return state.SkipWithError("clients did not connect");

  int serial = 0;
  for (auto _ : state) {
    const std::string json = MidGameState(60, ++serial);
    const long long expected = received + LiveServer::kMaxClients;
    const auto start = std::chrono::steady_clock::now();
    server.Publish(json);
    if (!wait_for(expected)) return state.SkipWithError("a client missed a state");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["clients"] = server.clients();
  state.counters["state_bytes"] = static_cast<double>(MidGameState(60, serial).size());
}

}  // namespace

BENCHMARK(BM_PublishToFiveHundredClients)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
