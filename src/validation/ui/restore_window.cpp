#include "validation/ui/restore_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <chrono>

#include "app/ui/main_form.h"
#include "app/ui/qt_text.h"

namespace tavelao::validation {
namespace {

constexpr const char* kTitle = "Restaurar cópia de segurança";

QTableWidgetItem* Cell(const std::string& text) {
  auto* item = new QTableWidgetItem(app::ToQString(text));
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

std::string Question(const session::BackupFile& copy) {
  return "Restaura a tabela " + copy.table_file + " com a cópia de " + copy.taken + " (" +
         std::to_string(copy.records) +
         " registros)? A tabela como está agora será guardada antes como cópia de segurança.";
}

}  // namespace

TFormRestaura::TFormRestaura(app::TMainForm& form, std::function<void()> restored)
    : QWidget(&form, Qt::Window), form_(form), restored_(std::move(restored)) {
  setObjectName(QStringLiteral("TFormRestaura"));
  setWindowTitle(app::ToQString(kTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Cópias guardadas na pasta backup (as 10 últimas de cada tabela):"), this));
  grid_ = new QTableWidget(0, 4, this);
  grid_->setObjectName(QStringLiteral("GridCopias"));
  grid_->setHorizontalHeaderLabels(
      {QStringLiteral("Tabela"), QStringLiteral("Data"), QStringLiteral("Hora"), QStringLiteral("Registros")});
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setMinimumSize(460, 320);
  layout->addWidget(grid_);
  auto* buttons = new QHBoxLayout;
  restore_ = new QPushButton(QStringLiteral("Restaurar"), this);
  restore_->setObjectName(QStringLiteral("ButtonRestaura"));
  auto* close = new QPushButton(QStringLiteral("Fechar"), this);
  close->setObjectName(QStringLiteral("ButtonFechaRestaura"));
  buttons->addStretch();
  buttons->addWidget(restore_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(restore_, &QPushButton::clicked, this, &TFormRestaura::ButtonRestauraClick);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TFormRestaura::Open() {
  Fill();
  show();
  raise();
  activateWindow();
}

void TFormRestaura::Fill() {
  copies_ = session::ListBackups(form_.workspace().folder);
  grid_->setRowCount(static_cast<int>(copies_.size()));
  for (int row = 0; row < static_cast<int>(copies_.size()); ++row) {
    const session::BackupFile& copy = copies_[row];
    grid_->setItem(row, 0, Cell(copy.table_file));
    grid_->setItem(row, 1, Cell(copy.taken.substr(0, 10)));
    grid_->setItem(row, 2, Cell(copy.taken.substr(11)));
    grid_->setItem(row, 3, Cell(copy.records < 0 ? "danificada" : std::to_string(copy.records)));
  }
  if (!copies_.empty()) grid_->selectRow(0);
  restore_->setEnabled(!copies_.empty());
}

void TFormRestaura::ButtonRestauraClick() {
  const int row = grid_->currentRow();
  if (row < 0 || row >= static_cast<int>(copies_.size())) return;
  Dialogs& dialogs = form_.services().dialogs;
  const session::BackupFile copy = copies_[row];
  if (!dialogs.Ask(kTitle, Question(copy))) return;
  if (auto status = session::RestoreIntoWorkspace(form_.workspace(), copy.path, std::chrono::system_clock::now());
      !status) {
    dialogs.Inform(kTitle, status.error());
  } else {
    if (restored_) restored_();
    dialogs.Inform(kTitle, "A tabela " + copy.table_file + " foi restaurada com a cópia de " + copy.taken + ".");
  }
  Fill();
}

}  // namespace tavelao::validation
