#pragma once
// FormEdit "Editor de texto para as cartelas": the rich-text editor whose
// text the layouts print as their free text. Closing it only hides it; the
// text lasts for the run.

#include <QMainWindow>
#include <memory>
#include <string>

#include "texteditor/ui/editor_files.h"

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace tavelao {
class Dialogs;
}

namespace tavelao::app {
class ColourPicker;
class TMainForm;
}  // namespace tavelao::app

namespace tavelao::texteditor {

class IndentRuler;

class FormEdit : public QMainWindow {
  Q_OBJECT

 public:
  // Questions go through `dialogs`, colours through `colours`, files, fonts
  // and printing through `files`; `start_file` is the program's first
  // argument, loaded when the window is first shown if it names a file.
  FormEdit(Dialogs& dialogs, app::ColourPicker& colours, std::unique_ptr<EditorFiles> files, QWidget* parent = nullptr,
           QString start_file = {});

  // "Texto": show the window and bring it to the front.
  void Open();
  // The free text as the layouts print it now.
  std::string FreeTextHtml() const;
  QTextEdit& editor() { return *edit_; }
  const QString& start_file() const { return start_file_; }
  // The file the text was last opened from or saved to; empty: untitled.
  const QString& file_name() const { return file_name_; }

  // "Arquivo"
  void FileNew();
  void FileOpen();
  bool FileSave();
  bool FileSaveAs();
  void FilePrint();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildToolBar();
  void MergeFormat(const QTextCharFormat& format);
  void ShowCurrentFormat();
  void PickColour();
  void PickFont();
  void ToggleBullets(bool on);
  void SetIndents(double left, double first_line);
  // True when there are no unsaved changes or the organiser lets them go.
  bool ConfirmDiscard();
  bool Load(const QString& name);
  bool SaveTo(const QString& name);
  void SetFileName(const QString& name);

  Dialogs& dialogs_;
  app::ColourPicker& colours_;
  std::unique_ptr<EditorFiles> files_;
  QString start_file_;
  bool start_file_done_ = false;
  QString file_name_;
  QTextEdit* edit_ = nullptr;
  IndentRuler* ruler_ = nullptr;
  QFontComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QAction* bold_ = nullptr;
  QAction* italic_ = nullptr;
  QAction* underline_ = nullptr;
  QAction* left_ = nullptr;
  QAction* centre_ = nullptr;
  QAction* right_ = nullptr;
  QAction* bullets_ = nullptr;
};

// Creates the hidden window over the main form and enables "Texto".
FormEdit& InstallTextEditor(app::TMainForm& form);

}  // namespace tavelao::texteditor
