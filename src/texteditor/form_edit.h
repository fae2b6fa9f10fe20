#pragma once
// FormEdit "Editor de texto para as cartelas": the rich-text editor whose
// text the layouts print as their free text. Closing it only hides it; the
// text lasts for the run.

#include <QMainWindow>
#include <string>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace tavelao::app {
class ColourPicker;
class TMainForm;
}

namespace tavelao::texteditor {

class FormEdit : public QMainWindow {
  Q_OBJECT

 public:
  // Colours are picked through `colours`; `start_file` is the program's
  // first argument, kept for the file menu.
  FormEdit(app::ColourPicker& colours, QWidget* parent = nullptr, QString start_file = {});

  // "Texto": show the window and bring it to the front.
  void Open();
  // The free text as the layouts print it now.
  std::string FreeTextHtml() const;
  QTextEdit& editor() { return *edit_; }
  const QString& start_file() const { return start_file_; }

 private:
  void BuildEditMenu();
  void BuildToolBar();
  void MergeFormat(const QTextCharFormat& format);
  void ShowCurrentFormat();
  void PickColour();

  app::ColourPicker& colours_;
  QString start_file_;
  QTextEdit* edit_ = nullptr;
  QFontComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QAction* bold_ = nullptr;
  QAction* italic_ = nullptr;
  QAction* underline_ = nullptr;
  QAction* left_ = nullptr;
  QAction* centre_ = nullptr;
  QAction* right_ = nullptr;
};

// Creates the hidden window over the main form and enables "Texto".
FormEdit& InstallTextEditor(app::TMainForm& form);

}  // namespace tavelao::texteditor
