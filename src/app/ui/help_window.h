#pragma once
// FormAjuda: the manual in Portuguese, read inside the program. "Leia-me"
// opens it on its first page, F1 on the page of the screen in use, and a
// first start in an empty folder offers the guide of the evening.

#include <QObject>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tavelao::app {

class TMainForm;

class FormAjuda : public QWidget {
  Q_OBJECT

 public:
  explicit FormAjuda(TMainForm& form);

  // Shows `page` and brings the window to the front.
  void Open(const QUrl& page);
  QUrl page() const;

 private:
  TMainForm& form_;
  QTextBrowser* browser_ = nullptr;
  bool placed_ = false;
};

// Watches the keys of every window of the program: F1 opens the page of the
// screen it was pressed on. It lives as long as `help`.
class HelpKey : public QObject {
 public:
  HelpKey(FormAjuda& help, const QWidget& form);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FormAjuda& help_;
  const QWidget& form_;
};

// Creates the manual's window, enables "Leia-me" and installs F1.
FormAjuda& InstallHelp(TMainForm& form);

// In a folder that had no table file before this start, asks whether the
// organiser wants the guide of the evening and opens it on Yes. True when
// it was opened.
bool OfferFirstStartGuide(TMainForm& form);

}  // namespace tavelao::app
