#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "texteditor/ui/editor_files.h"

namespace tavelao::texteditor {

QString QtEditorFiles::OpenFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Abrir"), {},
                                      kRtfFilter + QStringLiteral(";;") + kTextFilter);
}

QString QtEditorFiles::SaveFileName(QWidget* parent, const QString& current, QString& filter) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Salvar como"), current,
                                      kRtfFilter + QStringLiteral(";;") + kTextFilter, &filter,
                                      QFileDialog::DontConfirmOverwrite);
}

std::optional<QFont> QtEditorFiles::ChooseFont(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Fontes"));
  if (!ok) return std::nullopt;
  return font;
}

void QtEditorFiles::Print(QWidget* parent, const QTextDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  document.print(&printer);
}

}  // namespace tavelao::texteditor
