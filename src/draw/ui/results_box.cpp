#include "draw/ui/results_box.h"

#include <QFontDatabase>

#include "app/ui/qt_text.h"

namespace tavelao::draw {

ResultsBox::ResultsBox(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Memo1"));
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  // One line per block: the layout of each appended line stays cheap.
  setUndoRedoEnabled(false);
  more_.setSingleShot(true);
  more_.setInterval(0);
  connect(&more_, &QTimer::timeout, this, &ResultsBox::AppendSlice);
}

void ResultsBox::ShowLines(const std::vector<std::string>& lines) {
  more_.stop();
  pending_.clear();
  pending_.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) pending_ << app::ToQString(line);
  const qsizetype first = std::min<qsizetype>(pending_.size(), kFirstLines);
  setPlainText(pending_.mid(0, first).join(QLatin1Char('\n')));
  next_ = first;
  if (!complete()) more_.start();
}

void ResultsBox::AppendSlice() {
  const qsizetype end = std::min<qsizetype>(pending_.size(), next_ + kSliceLines);
  // appendPlainText would move the view; the cursor keeps the operator's place.
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QLatin1Char('\n') + pending_.mid(next_, end - next_).join(QLatin1Char('\n')));
  next_ = end;
  if (!complete()) more_.start();
}

}  // namespace tavelao::draw
