// Writes the screenshots kept in docs/: the main window, its menus opened
// and each card-option panel, on the offscreen platform.
//   app_screenshots docs/

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <iostream>

#include "app_harness.h"
#include "card/card_identity.h"
#include "support/temp_folder.h"

namespace {

using tavelao::testing::AppHarness;

QString out_folder;

void Save(const QPixmap& picture, const char* name) {
  const QString path = out_folder + "/" + name;
  if (!picture.save(path)) std::cerr << "não foi possível gravar " << path.toStdString() << "\n";
}

// Opens `menu` under its menu-bar entry (and `submenu` beside its entry)
// and paints them over the window.
QPixmap WithMenuOpen(tavelao::app::TMainForm& form, QMenu* menu, QMenu* submenu = nullptr) {
  QMenuBar* bar = form.menuBar();
  const QPoint at = bar->mapTo(&form, bar->actionGeometry(menu->menuAction()).bottomLeft());
  menu->popup(form.mapToGlobal(at));
  QTest::qWait(50);
  QPixmap picture = form.grab();
  QPainter painter(&picture);
  painter.drawPixmap(at, menu->grab());
  if (submenu) {
    const QRect entry = menu->actionGeometry(submenu->menuAction());
    const QPoint beside = at + QPoint(menu->width() - 4, entry.top());
    painter.drawPixmap(beside, submenu->grab());
  }
  menu->hide();
  return picture;
}

QString Typed(int card) { return QString::number(card) + QChar(tavelao::card::CheckDigit(card)); }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: app_screenshots PASTA\n";
    return 2;
  }
  out_folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  AppHarness app(dir.path());
  auto& form = app.form();
  form.resize(1024, 640);
  QTest::qWait(50);

  Save(form.grab(), "main_window.png");
  Save(WithMenuOpen(form, form.Menu("MenuEmissao"), form.Menu("MenuCanhoto")), "menu_emissao.png");
  Save(WithMenuOpen(form, form.Menu("MenuValidacao")), "menu_validacao.png");
  Save(WithMenuOpen(form, form.Menu("MenuOpcoes")), "menu_opcoes.png");

  app.Choose("MenuSenha");
  app.Type("EditS1", "abc12");
  QTest::qWait(20);
  Save(form.grab(), "panel_senha.png");
  app.Find("PanelSenha")->hide();

  app.Choose("MenuCor");
  QTest::qWait(20);
  Save(form.grab(), "panel_cor.png");
  app.Find("PanelCor")->hide();

  app.Choose("MenuDescr");
  app.Type("EditPremio1", "Uma televisão de 42 polegadas");
  app.Type("EditPremio2", "Bicicleta aro 26");
  app.Type("EditPremio3", "Cesta básica");
  QTest::qWait(20);
  Save(form.grab(), "panel_premios.png");
  app.Find("PanelPremios")->hide();

  app.Choose("MenuAJUDE");
  QTest::qWait(20);
  Save(form.grab(), "panel_palavra.png");

  app.Choose("MenuDescr");
  app.Choose("MenuCor");
  app.Choose("MenuSenha");
  QTest::qWait(20);
  Save(form.grab(), "panels_together.png");
  for (const char* name : {"PanelPalavra", "PanelPremios", "PanelCor", "PanelSenha"}) {
    if (QWidget* panel = app.Find(name)) panel->hide();
  }

  app.Choose("MenuDireta");
  auto* direct = app.Find("PanelValidacao");
  auto* entry = direct->findChild<QLineEdit*>(QStringLiteral("EditVal"));
  for (const QString& typed : {QStringLiteral("19-108"), Typed(1000), Typed(20000)}) {
    entry->setText(typed);
    QTest::keyClick(entry, Qt::Key_Return);
  }
  QTest::qWait(20);
  Save(form.grab(), "validacao_direta.png");
  direct->findChild<QPushButton*>(QStringLiteral("ButtonSaiVal"))->click();

  app.Choose("MenuLote");
  QTest::qWait(50);  // the window's activation comes first, as on a desktop
  auto* batch = app.Find("TFormInc");
  auto* lote = batch->findChild<QLineEdit*>(QStringLiteral("EditLote"));
  lote->setText(QStringLiteral("12"));
  QTest::keyClick(lote, Qt::Key_Return);
  auto* card = batch->findChild<QLineEdit*>(QStringLiteral("EditVal"));
  for (int n = 201; n <= 212; ++n) {
    card->setText(Typed(n));
    QTest::keyClick(card, Qt::Key_Return);
  }
  QTest::qWait(20);
  Save(batch->grab(), "validacao_lote.png");
  batch->findChild<QRadioButton*>(QStringLiteral("RBSalva"))->click();  // a saved batch is copied
  batch->close();

  app.Choose("MenuRestaura");
  QTest::qWait(20);
  Save(app.Find("TFormRestaura")->grab(), "restaurar_copia.png");
  return 0;
}
