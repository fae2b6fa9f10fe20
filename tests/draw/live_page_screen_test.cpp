// The draw screen publishing its live page: switched on by the installation
// setting or by "Publicar na rede", following every ball, showing where to
// reach it (address and QR code), and stopped by the operator.

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <cstdlib>

#include "draw_screens_fixture.h"
#include "support/cli_runner.h"
#include "support/free_port.h"
#include "support/required_tool.h"

namespace tavelao::testing {
namespace {

class LivePageScreen : public DrawScreens {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    std::filesystem::create_directories(config / "tavelao");
  }
  void TearDown() override {
    if (saved_) {
      setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  void Setting(const std::string& line) { std::ofstream(config / "tavelao" / "tavelao.conf") << line << "\n"; }
  // GET /estado; empty when nothing answered.
  QByteArray State(int port) {
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(
        network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/estado").arg(port)))));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000)) return {};
    return reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
  }

  TempFolder config;
  std::optional<std::string> saved_;
};

TEST_F(LivePageScreen, TheSettingPublishesEveryDrawAndEachBallReachesThePage) {
  const int port = FreeLocalPort();
  Setting("servidor=127.0.0.1:" + std::to_string(port));
  Validate(42, 7, 1);
  Choose();
  app.Click("ButtonManual");
  EXPECT_TRUE(app.dialogs.shown.empty());
  EXPECT_NE(State(port).indexOf("\"bolas\": []"), -1) << "live from the draw's start";
  ClickPanel(7);
  ClickPanel(42);
  EXPECT_NE(State(port).indexOf("\"bolas\": [7, 42], \"ultima\": 42"), -1) << State(port).toStdString();
  ClickPanel(7);  // unmarked: the page follows
  EXPECT_NE(State(port).indexOf("\"bolas\": [42], \"ultima\": 42"), -1);
}

TEST_F(LivePageScreen, PublicarShowsWhereToReachThePageAndPararStopsIt) {
  const int port = FreeLocalPort();
  Setting("servidor=127.0.0.1:" + std::to_string(port));
  Choose();
  app.Click("ButtonManual");
  app.Click("ButtonPublicar");
  QWidget* window = app.Find("FormPaginaAoVivo");
  ASSERT_TRUE(window && window->isVisible());
  const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(port);
  EXPECT_EQ(Text("LabelEndereco"), address);
  const QPixmap qr = Get<QLabel>("LabelQR")->pixmap();
  ASSERT_FALSE(qr.isNull());
  if (ToolAvailable("zbarimg")) {
    const std::string png = (dir / "qr.png").string();
    ASSERT_TRUE(qr.save(QString::fromStdString(png)));
    EXPECT_EQ(CommandOutput("zbarimg -q --raw '" + png + "' 2>/dev/null"), address.toStdString() + "\n");
  }
  EXPECT_FALSE(State(port).isEmpty());
  app.Click("ButtonPararPublicacao");
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(State(port).isEmpty()) << "nothing answers once stopped";
}

TEST_F(LivePageScreen, ABadSettingIsToldAndTheDrawGoesOnUnpublished) {
  Setting("servidor=salão:80");
  Choose();
  app.Click("ButtonManual");
  ASSERT_FALSE(app.dialogs.shown.empty());
  EXPECT_EQ(app.dialogs.last().title, "Publicar na rede");
  EXPECT_NE(app.dialogs.last().text.find("Use ENDEREÇO:PORTA"), std::string::npos);
  EXPECT_TRUE(Visible("PanelPedras")) << "the draw started all the same";
  QWidget* window = app.Find("FormPaginaAoVivo");
  EXPECT_TRUE(!window || !window->isVisible());
}

}  // namespace
}  // namespace tavelao::testing
