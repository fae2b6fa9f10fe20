// Writes the pictures of the draw screens kept in docs/, on the offscreen
// platform: the draw-type choice, the running draw, the winners sheet, the
// card conference and its printed sheet.
//   draw_screenshots docs/

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <iostream>

#include "app_harness.h"
#include "card/card_identity.h"
#include "draw/ball.h"
#include "draw/ui/conference_panel.h"
#include "report/document_output.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace {

QString out_folder;

void Save(const QPixmap& picture, const char* name) {
  const QString path = out_folder + "/" + name;
  if (!picture.save(path)) std::cerr << "não foi possível gravar " << path.toStdString() << "\n";
}

void Validate(tavelao::session::Workspace& ws, int number, int lote, int lan) {
  tavelao::store::Record record = ws.validation.NewRecord();
  record.Set("Numero", number);
  record.Set("Lote", lote);
  record.Set("Lan", lan);
  for (int k = 1; k <= 25; ++k) record.Set("N" + std::to_string(k), std::string(ws.bank.CardNumber(number, k)));
  if (!ws.validation.Insert(record)) std::cerr << "cartela " << number << " não validada\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: draw_screenshots PASTA\n";
    return 2;
  }
  out_folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  tavelao::testing::AppHarness app(dir.path());
  for (int n = 40; n < 60; ++n) Validate(app.workspace(), n, 7, n - 39);
  auto& form = app.form();
  form.resize(1024, 720);

  app.Choose("MenuSorteio");
  QTest::qWait(20);
  Save(form.grab(), "sorteio_tipo.png");
  app.Click("ButtonOKTSor");
  app.Click("ButtonManual");
  app.Click("ButtonSorteios");
  QWidget* patterns = app.Find("TFormSorteios");
  QTest::mouseClick(app.Find<QCheckBox>("CBLinha"), Qt::LeftButton);
  QTest::mouseClick(app.Find<QCheckBox>("CBCantos"), Qt::LeftButton);
  QTest::qWait(20);
  Save(patterns->grab(), "sorteio_tipos.png");
  patterns->hide();
  for (int k : {1, 6, 3, 8, 13, 18, 23}) {
    const int ball = *tavelao::draw::BallOfNumber(app.workspace().bank.CardNumber(42, k));
    QTest::mouseClick(app.Find(("P" + std::to_string(ball)).c_str()), Qt::LeftButton);
  }
  QTest::qWait(20);
  QWidget* sheet = app.Find("TFormVenc");
  Save(sheet->grab(), "sorteio_ganhadoras.png");
  sheet->hide();
  QTest::qWait(20);
  Save(form.grab(), "sorteio.png");
  // As a maximised window on a 1920×1080 screen shows it.
  form.resize(1920, 1050);
  QTest::qWait(20);
  Save(form.grab(), "sorteio_maximizado.png");
  form.resize(1024, 720);
  QTest::qWait(20);

  // With a password, so that the authentication text shows.
  app.workspace().password = *tavelao::card::Password::FromText("ABCDE");
  app.Click("ButtonConf");
  auto* edit = app.Find<QLineEdit>("EditConf");
  edit->clear();
  app.Type("EditConf", "42");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::qWait(20);
  Save(form.grab(), "conferencia.png");
  app.Click("BitBtn1");
  auto* panel = app.Find<tavelao::draw::ConferencePanel>("PanelConf");
  const QImage page = tavelao::report::PageImage(panel->preview().document(), 0, 60);
  Save(QPixmap::fromImage(page), "conferencia_folha.png");
  return 0;
}
