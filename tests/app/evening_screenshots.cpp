// Runs an evening through the real windows, as an organiser does, and saves
// the whole screen at each step: password, issue and its preview, direct
// and batch validation, the draw with its windows and its live page, a
// conference, the minor prizes and the manual. Meant for a real X display of a laptop's size with
// a window manager, to see where each window opens and that it fits:
//   xvfb-run -s "-screen 0 1366x768x24" sh -c 'openbox & sleep 1; evening_screenshots docs'

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <iostream>

#include "app_harness.h"
#include "card/card_identity.h"
#include "draw/ball.h"
#include "support/free_port.h"
#include "support/temp_folder.h"

namespace {

using tavelao::testing::AppHarness;

QString out_folder;

// Lets the window manager place and paint what was opened, then saves the
// whole screen.
void SaveScreen(const char* name) {
  QTest::qWait(400);
  const QString path = out_folder + "/" + name;
  if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path)) {
    std::cerr << "não foi possível gravar " << path.toStdString() << "\n";
  }
}

// A card as it is printed: "000041-3".
QString Printed(int card) {
  return QStringLiteral("%1-%2").arg(card, 6, 10, QChar('0')).arg(QChar(tavelao::card::CheckDigit(card)));
}

void Enter(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->setText(text);
  QTest::keyClick(field, Qt::Key_Return);
}

void CloseWindow(AppHarness& app, const char* name) {
  if (QWidget* window = app.Find(name)) window->close();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: evening_screenshots PASTA\n";
    return 2;
  }
  out_folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  AppHarness app(dir.path());
  auto& form = app.form();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) std::cerr << "a janela principal não apareceu\n";

  app.Choose("MenuSenha");
  app.Type("EditS1", "ABCDE");
  app.Type("EditS2", "ABCDE");
  SaveScreen("noite-1-senha.png");
  app.Click("ButtonOkSenha");

  app.Choose("Menu1");
  app.Find<QLineEdit>("EditCI")->clear();
  app.Type("EditCI", "41");
  app.Find<QLineEdit>("EditQT")->clear();
  app.Type("EditQT", "20");
  app.Click("ButtonOK");
  SaveScreen("noite-2-emissao.png");
  CloseWindow(app, "FormPreview");

  app.Choose("MenuDireta");
  auto* entry = app.Find("PanelValidacao")->findChild<QLineEdit*>(QStringLiteral("EditVal"));
  for (int card = 41; card <= 50; ++card) Enter(entry, Printed(card));
  SaveScreen("noite-3-validacao.png");
  app.Click("ButtonSaiVal");

  app.Choose("MenuLote");
  QWidget* batch = app.Find("TFormInc");
  QTest::qWait(100);
  Enter(batch->findChild<QLineEdit*>(QStringLiteral("EditLote")), QStringLiteral("3"));
  auto* card = batch->findChild<QLineEdit*>(QStringLiteral("EditVal"));
  for (int n = 51; n <= 60; ++n) Enter(card, Printed(n));
  SaveScreen("noite-4-lote.png");
  batch->close();

  app.Choose("MenuSorteio");
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  QTest::mouseClick(app.Find<QCheckBox>("CBLinha"), Qt::LeftButton);
  SaveScreen("noite-5-tipos.png");
  CloseWindow(app, "TFormSorteios");
  for (int k : {1, 6, 3, 8, 13, 18, 23}) {
    const int ball = *tavelao::draw::BallOfNumber(app.workspace().bank.CardNumber(42, k));
    QWidget* cell = app.Find(("P" + std::to_string(ball)).c_str());
    // Where the operator's hand is: windows open clear of it.
    QCursor::setPos(cell->mapToGlobal(cell->rect().center()));
    QTest::mouseClick(cell, Qt::LeftButton);
  }
  SaveScreen("noite-6-sorteio.png");
  CloseWindow(app, "TFormVenc");

  // The live page, on this machine only: the settings of a scratch folder.
  tavelao::testing::TempFolder config;
  std::filesystem::create_directories(config / "tavelao");
  std::ofstream(config / "tavelao" / "tavelao.conf")
      << "servidor=127.0.0.1:" << tavelao::testing::FreeLocalPort() << "\n";
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
  app.Click("ButtonPublicar");
  SaveScreen("noite-6-publicar.png");
  app.Click("ButtonPararPublicacao");

  app.Click("ButtonConf");
  auto* conferred = app.Find<QLineEdit>("EditConf");
  Enter(conferred, QStringLiteral("42"));
  SaveScreen("noite-7-conferencia.png");
  app.Click("Button1");

  app.dialogs.AnswerYes();  // "Encerrar o sorteio?"
  app.Click("ButtonFim");
  app.Click("ButtonSair");
  app.Choose("MenuPM");
  app.Find<QLineEdit>("EditPM")->clear();
  app.Type("EditPM", "3");
  app.Click("ButtonSorPM");
  SaveScreen("noite-8-premios.png");
  app.Click("ButtonSaiPM");

  app.Choose("MenuSobre");
  SaveScreen("noite-9-ajuda.png");
  if (QWidget* help = app.Find("FormAjuda")) {
    QTest::qWait(100);
    help->grab().save(out_folder + "/ajuda.png");
  }
  return 0;
}
