// Writes the pictures of the audience screen kept in docs/, on the offscreen
// platform, at 1920×1080: a draw halfway through (telao.png) and the ball
// after which a card won (telao-bingo.png).
//   audience_screenshots docs/

#include <QApplication>
#include <QPixmap>
#include <iostream>

#include "draw/audience_view.h"
#include "draw/ui/audience_window.h"
#include "draw_fixture.h"

namespace {

using namespace tavelao::draw;

constexpr const char* kEventTitle = "Grande Bingo da Festa Junina";

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: audience_screenshots PASTA\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  testing::DrawFixture draw;
  draw.AddCard(42, testing::Ladder(0), 3, 12);  // its first row is 01 21 41 61 81
  draw.AddCard(1234, testing::Ladder(5), 3, 13);
  draw.AddCard(777, testing::Ladder(10));
  draw.Start(CardSize::TwentyFive, {Pattern::Linha, Pattern::Cantos});

  AudienceWindow window;
  window.resize(1920, 1080);
  window.show();
  const auto show = [&] { window.Show(AudienceViewOf(draw.state(), draw.letters, kEventTitle)); };
  draw.Click({7, 23, 45, 61, 88, 12, 34, 59, 70, 96, 3, 21, 41, 77, 100, 18, 52, 66, 1, 29, 84, 47});
  show();
  bool saved = window.grab().save(folder + "/telao.png");
  draw.Click(81);
  show();
  saved = window.grab().save(folder + "/telao-bingo.png") && saved;
  if (!saved) std::cerr << "não foi possível gravar em " << folder.toStdString() << "\n";
  return saved ? 0 : 1;
}
