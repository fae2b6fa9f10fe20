#pragma once
// "Restaurar cópia de segurança": the safety copies of the backup folder,
// newest first, with the date, time and number of records of each; the
// chosen one is restored after a question.

#include <QWidget>

#include <functional>
#include <vector>

#include "session/backups.h"

class QPushButton;
class QTableWidget;

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::validation {

class TFormRestaura : public QWidget {
  Q_OBJECT

 public:
  // `restored` runs after a copy was restored (the screens count again).
  TFormRestaura(app::TMainForm& form, std::function<void()> restored);

  // Menu entry: the list read again and the window shown.
  void Open();
  // "Restaurar" (ButtonRestaura): the selected copy, after the question.
  void ButtonRestauraClick();

 private:
  void Fill();

  app::TMainForm& form_;
  std::function<void()> restored_;
  std::vector<session::BackupFile> copies_;
  QTableWidget* grid_ = nullptr;
  QPushButton* restore_ = nullptr;
};

}  // namespace tavelao::validation
