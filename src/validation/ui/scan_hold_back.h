#pragma once
// While a validation screen shows a box for one entry, a bar-code reader
// may already send the next card: digits and Enter, typed into whatever
// has the keyboard, the box included. That Enter must not answer the box.
// Installed for the length of one entry, this holds back every digit typed
// and the Enter that ends them; an Enter alone still answers the box. The
// screen validates the held cards once the box is gone.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace tavelao::validation {

class ScanHoldBack : public QObject {
 public:
  // `held` runs for each scan held back (the screen beeps).
  explicit ScanHoldBack(std::function<void()> held);
  ~ScanHoldBack() override;

  struct Held {
    QStringList scans;  // each ended by its Enter
    QString typing;     // digits still without one
  };
  Held Take();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> held_;
  QStringList scans_;
  QString typing_;
};

}  // namespace tavelao::validation
