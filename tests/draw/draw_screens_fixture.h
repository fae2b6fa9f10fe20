#pragma once
// The draw screens driven as the operator drives them, over the main
// window's harness: widgets found by name, cards validated by the test.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "app/ui/qt_text.h"
#include "app_harness.h"
#include "card/card_identity.h"
#include "draw/ball.h"
#include "draw/ui/conference_panel.h"
#include "draw/ui/draw_screen_panel.h"
#include "draw/ui/picture_panel.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace tavelao::testing {

inline const QColor kNavy(0, 0, 128);
inline const QColor kRed(255, 0, 0);

class DrawScreens : public ::testing::Test {
 protected:
  template <typename W = QWidget>
  W* Get(const char* name) {
    W* widget = app.Find<W>(name);
    if (!widget) ADD_FAILURE() << "no widget " << name;
    return widget;
  }
  void Tick(const char* box) { QTest::mouseClick(Get<QCheckBox>(box), Qt::LeftButton); }
  void ClickPanel(int ball) { QTest::mouseClick(Get(("P" + std::to_string(ball)).c_str()), Qt::LeftButton); }
  QString Text(const char* name) {
    if (auto* label = app.Find<QLabel>(name)) return label->text();
    if (auto* button = app.Find<QPushButton>(name)) return button->text();
    if (auto* memo = app.Find<QPlainTextEdit>(name)) return memo->toPlainText();
    ADD_FAILURE() << "no text widget " << name;
    return {};
  }
  QColor FontOf(int ball) { return Get(("P" + std::to_string(ball)).c_str())->palette().color(QPalette::WindowText); }
  // Frame n of the winners sheet; other windows have panels of that name too.
  QWidget* SheetFrame(int n) {
    QWidget* frame = Get("TFormVenc")->findChild<QWidget*>(QStringLiteral("Panel%1").arg(n));
    if (!frame) ADD_FAILURE() << "no frame " << n;
    return frame;
  }
  bool Visible(const char* name) { return Get(name)->isVisible(); }
  bool MenusShown() { return app.form().MenuEntry("MenuSorteio")->isVisible(); }

  // Menu "Sorteio", a card size other than the default when asked, "OK".
  void Choose(const char* size = nullptr) {
    app.Choose("MenuSorteio");
    if (size) Tick(size);
    app.Click("ButtonOKTSor");
  }
  int Ball(int card, int k) { return *draw::BallOfNumber(app.workspace().bank.CardNumber(card, k)); }
  void Validate(int number, int lote, int lan) {
    store::Record record = app.workspace().validation.NewRecord();
    record.Set("Numero", number);
    record.Set("Lote", lote);
    record.Set("Lan", lan);
    for (int k = 1; k <= 25; ++k) {
      record.Set("N" + std::to_string(k), std::string(app.workspace().bank.CardNumber(number, k)));
    }
    auto id = app.workspace().validation.Insert(record);
    ASSERT_TRUE(id) << id.error();
  }
  // EditConf as the operator fills it: the text, then Enter when asked.
  void Confer(const QString& typed, bool enter = true) {
    auto* edit = Get<QLineEdit>("EditConf");
    edit->clear();
    app.Type("EditConf", typed);
    if (enter) QTest::keyClick(edit, Qt::Key_Return);
  }
  QColor CellColour(int k) { return Get(("C" + std::to_string(k)).c_str())->palette().color(QPalette::WindowText); }
  // C1..C25 hold the card's numbers, red where drawn.
  void ExpectCard(int card, const draw::BallSet& drawn) {
    for (int k = 1; k <= 25; ++k) {
      EXPECT_EQ(Text(("C" + std::to_string(k)).c_str()), app::ToQString(app.workspace().bank.CardNumber(card, k))) << k;
      EXPECT_EQ(CellColour(k), drawn.Has(Ball(card, k)) ? kRed : kNavy) << k;
    }
  }
  QString Cells() {
    QStringList cells;
    for (int k = 1; k <= 25; ++k) cells << Text(("C" + std::to_string(k)).c_str());
    return cells.join(' ');
  }
  draw::DrawScreen& Screen() { return *Get<draw::DrawScreen>("PanelSorteio"); }
  // Everything of the draw that the conference must leave alone: what the
  // screen shows and the records of the tables it uses.
  struct DrawSnapshot {
    QStringList shown;
    std::vector<store::Record> records;
    bool operator==(const DrawSnapshot&) const = default;
  };
  DrawSnapshot Snapshot() {
    DrawSnapshot snapshot;
    snapshot.shown = {Text("MemoOrdem"), Text("LabelSorteadas"), Text("LabelRestam"), Text("ButtonUltima"),
                      Text("Memo1")};
    for (int n = 1; n <= 100; ++n) snapshot.shown << (FontOf(n) == kRed ? "r" : "n");
    for (auto* table : {&app.workspace().standings, &app.workspace().draw_type, &app.workspace().validation}) {
      auto rows = table->Select();
      EXPECT_TRUE(rows) << rows.error();
      if (!rows) continue;
      for (const auto& row : *rows) snapshot.records.push_back(row.record);
    }
    return snapshot;
  }
  void WriteFile(const char* name) { std::ofstream(dir.path() / name) << "x"; }
  void WritePicture(const char* name) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(QString::fromStdString((dir.path() / name).string()), "JPG"));
  }

  TempFolder dir;
  AppHarness app{dir.path()};
};

}  // namespace tavelao::testing
