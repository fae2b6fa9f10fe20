// Writes the pictures of business bingo on the offscreen platform: the
// panel PanelBE with an event and a few sponsors (empresarial.png), a page
// of business cards and the first page of the sponsor list.
//   business_screenshots PASTA

#include <QAbstractItemModel>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <iostream>

#include "app_harness.h"
#include "business/ui/business_panel.h"
#include "report/document_output.h"
#include "report/ui/preview_window.h"
#include "support/temp_folder.h"

namespace {

QString out_folder;

void Save(const QImage& picture, const char* name) {
  const QString path = out_folder + "/" + name;
  if (!picture.save(path)) std::cerr << "não foi possível gravar " << path.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: business_screenshots PASTA\n";
    return 2;
  }
  out_folder = QString::fromLocal8Bit(argv[1]);
  tavelao::testing::TempFolder dir;
  tavelao::testing::AppHarness app(dir.path());
  auto& form = app.form();
  form.resize(1024, 860);
  form.activateWindow();
  (void)QTest::qWaitForWindowActive(&form);

  app.Choose("MenuBE");
  app.Type("EditCI", "1");
  app.Type("EditQT", "3");
  app.Click("ButtonOK");
  const std::pair<const char*, const char*> fields[] = {{"EditTitulo", "BINGO BENEFICENTE DA VILA NOVA"},
                                                        {"EditPromotor", "Associação de Moradores da Vila Nova"},
                                                        {"EditData", "07/03/2027"},
                                                        {"EditHora", "19h30"},
                                                        {"EditLocal", "Salão paroquial São José"},
                                                        {"EditValor", "1500"},
                                                        {"EditObs1", "Cartela válida somente com autenticação."},
                                                        {"EditObs2", "Prêmios entregues no local."}};
  for (const auto& [name, text] : fields) {
    app.Find<QLineEdit>(name)->clear();
    app.Type(name, QString::fromUtf8(text));
  }
  app.Find("EditTitulo")->setFocus();
  QAbstractItemModel& grid = *app.Find<QTableView>("DBGridNomeCar")->model();
  const char* sponsors[][3] = {{"Padaria", "Pão Quente", "Centro"},
                               {"Açougue", "Boi Gordo", ""},
                               {"Farmácia", "Saúde", "24 horas"},
                               {"Mercado", "Bom Preço", ""},
                               {"Auto Peças", "Zé", "Fone 3232"}};
  for (int pedra = 0; pedra < 100; ++pedra) {
    for (int line = 0; line < 3; ++line)
      grid.setData(grid.index(pedra, line + 1), QString::fromUtf8(sponsors[pedra % 5][line]));
  }
  QTest::qWait(20);
  auto* panel = app.Find<tavelao::business::PanelBE>("PanelBE");
  Save(panel->grab().toImage(), "empresarial.png");

  app.Click("BitBtn2");
  Save(tavelao::report::PageImage(panel->list_preview().document(), 0, 60), "empresarial_lista.png");
  panel->list_preview().close();
  app.Click("ButtonOKBE2");
  Save(tavelao::report::PageImage(panel->cards_preview().document(), 0, 60), "empresarial_cartelas.png");
  Save(tavelao::report::PageImage(panel->cards_preview().document(), 0, 150), "empresarial_cartelas_150.png");
  for (const auto& shown : app.dialogs.shown) std::cerr << shown.title << ": " << shown.text << "\n";
  return 0;
}
