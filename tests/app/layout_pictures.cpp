// Writes the pictures of docs/layouts/: for every fixed card layout, its
// first page as printed (the PDF at 300 dpi, rasterised by pdftoppm, shown
// at the preview's size) beside the preview window's page at its fit zoom,
// on the offscreen platform. Cards 1 to 12, password ABCDE, prizes as long
// as their field, a free text with a 24-point title.
//   layout_pictures docs/layouts/

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>
#include <iostream>
#include <string>

#include "card/card_bank.h"
#include "card/card_identity.h"
#include "common/dialogs.h"
#include "issue/card_file.h"
#include "issue/card_refresh.h"
#include "issue/issue_run.h"
#include "layouts/fixed_layouts.h"
#include "report/band_engine.h"
#include "report/document_output.h"
#include "report/record_source.h"
#include "report/ui/preview_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace {

using namespace tavelao;

constexpr int kModels[] = {1, 2, 3, 6, 4, 12, 44, 15, 27, 26};

const char* const kFreeText =
    "<p align=\"center\"><span style=\"font-family:Arial; font-size:24pt;\">BINGO BENEFICENTE</span></p>"
    "<p align=\"center\"><span style=\"font-family:Arial; font-size:12pt;\">Salão paroquial, sábado às 20h. "
    "Prêmios entregues na hora; traga sua cartela e um documento.</span></p>";

// The 300-dpi print of the page, as a printer would get it.
QImage PrintedPage(const report::Document& document, const std::filesystem::path& folder) {
  const auto pdf = folder / "pagina.pdf";
  if (!report::WritePdf(document, pdf).ok()) return {};
  const auto stem = folder / "pagina";
  const std::string command =
      "pdftoppm -r 300 -f 1 -l 1 -singlefile -png '" + pdf.string() + "' '" + stem.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  return QImage(QString::fromStdString(stem.string() + ".png"));
}

// The preview's page at the zoom it opens with.
QImage PreviewPage(const report::Document& document) {
  testing::ScriptedDialogs dialogs;
  report::PreviewWindow preview(dialogs);
  preview.Open(document);
  auto* view = preview.findChild<report::PageView*>(QStringLiteral("PaginaPreview"));
  return view ? view->grab().toImage() : QImage();
}

// Print on the left, at the preview's height; the preview on the right.
QImage SideBySide(const QImage& printed, const QImage& preview) {
  const QImage left = printed.scaledToHeight(preview.height(), Qt::SmoothTransformation);
  constexpr int kGap = 24;
  QImage both(left.width() + kGap + preview.width(), preview.height(), QImage::Format_RGB32);
  both.fill(QColor(128, 128, 128));
  QPainter painter(&both);
  painter.drawImage(0, 0, left);
  painter.drawImage(left.width() + kGap, 0, preview);
  return both;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::cerr << "Uso: layout_pictures PASTA\n";
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  testing::TempFolder dir;
  card::CardBank bank;
  bank.LoadBuiltIn();
  const card::Password password = *card::Password::FromText("ABCDE");
  const card::IssuerNumber issuer;
  layouts::LayoutOptions options;
  options.card.prizes = {"MOTOCICLETA 0 KM MODELO 2025 X", "GELADEIRA FROST FREE 400 LITRO", "TELEVISOR SMART 50 POLEGADAS 4"};
  options.free_text = std::make_shared<const std::string>(kFreeText);
  int failures = 0;
  for (int model : kModels) {
    store::Table card_file;
    const auto range = issue::RangeToIssue(1, 12);
    auto layout = layouts::FixedLayoutForModel(model, options);
    if (!range || !layout || !issue::WriteCardFile(card_file, dir.path(), bank, *range).ok()) return 1;
    auto document = report::BuildDocument(*layout, report::TableRecords(card_file, {"", issue::kNumeroField}),
                                          issue::CardRefreshHook(password, issuer));
    if (!document.ok()) return 1;
    document->pages.resize(1);
    const QImage printed = PrintedPage(*document, dir.path());
    const QImage preview = PreviewPage(*document);
    const QString path = out + u'/' + QString::fromStdString(layout->name) + QStringLiteral(".png");
    if (printed.isNull() || preview.isNull() || !SideBySide(printed, preview).save(path)) {
      std::cerr << "não foi possível gravar " << path.toStdString() << "\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
