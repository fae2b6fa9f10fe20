// Not a test: the pictures of the live page in docs/, a phone held upright
// and a TV of the hall in the middle of a draw (live_page_screenshots FOLDER).

#include <QCoreApplication>
#include <filesystem>
#include <iostream>

#include "draw/draw_run.h"
#include "web/headless_chromium.h"
#include "web/live_state.h"
#include "web/server/live_server.h"

namespace {

using namespace tavelao;

// 37 balls with LINHA and CARTELA CHEIA in play; the last one made a line.
std::string MidGame() {
  draw::DrawState state;
  for (int ball : {7,  42, 100, 18, 63, 25, 91, 3,  56, 70, 12, 88, 34, 47, 81, 29, 66, 95, 1,
                   52, 77, 9,   38, 60, 84, 21, 45, 16, 73, 99, 31, 58, 86, 5,  68, 40, 11}) {
    state.drawn.Add(ball);
    state.drawn_order.push_back(ball);
  }
  state.drawn_count = static_cast<int>(state.drawn_order.size());
  state.choice.patterns[draw::Index(draw::Pattern::Linha)] = true;
  state.announced = {{{1187, draw::Pattern::Linha}, 37}};
  return web::LiveStateJson(state, {"B", "I", "N", "G", "O"}, "Grande Bingo da Festa Junina", 4);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "uso: live_page_screenshots PASTA\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  web::LiveServer server;
  if (Status listening = server.Listen({"127.0.0.1", 0}); !listening) {
    std::cerr << listening.error() << "\n";
    return 1;
  }
  server.Publish(MidGame());
  const QString page = QString("http://127.0.0.1:%1/").arg(server.port());
  struct Shot {
    const char* name;
    int width, height;
  };
  for (const auto& [name, width, height] : {Shot{"pagina-celular.png", 390, 844}, Shot{"pagina-tv.png", 1920, 1080}}) {
    const Status taken = testing::Screenshot(page, width, height, (folder / name).string());
    if (!taken) {
      std::cerr << taken.error() << "\n";
      return 1;
    }
    std::cout << (folder / name).string() << "\n";
  }
  return 0;
}
