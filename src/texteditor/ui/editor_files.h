#pragma once
// The file, font and print dialogs of the text editor behind one interface,
// so that tests supply the answers the organiser would give.

#include <QFont>
#include <QString>
#include <optional>

class QTextDocument;
class QWidget;

namespace tavelao::texteditor {

inline const QString kRtfFilter = QStringLiteral("Rich Text Files (*.RTF)");
inline const QString kTextFilter = QStringLiteral("Text Files (*.TXT)");

class EditorFiles {
 public:
  virtual ~EditorFiles() = default;
  // The file to open; empty when cancelled.
  virtual QString OpenFileName(QWidget* parent) = 0;
  // The file to save as, starting from `current`, and the filter chosen;
  // empty when cancelled. The editor itself asks before overwriting.
  virtual QString SaveFileName(QWidget* parent, const QString& current, QString& filter) = 0;
  virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
  // Prints the document after the print dialog; nothing when cancelled.
  virtual void Print(QWidget* parent, const QTextDocument& document) = 0;
};

// The platform's dialogs.
class QtEditorFiles : public EditorFiles {
 public:
  QString OpenFileName(QWidget* parent) override;
  QString SaveFileName(QWidget* parent, const QString& current, QString& filter) override;
  std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
  void Print(QWidget* parent, const QTextDocument& document) override;
};

}  // namespace tavelao::texteditor
