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

void ResultsBox::ShowLines(const MemoLines& lines) {
  more_.stop();
  pending_ = lines;
  next_ = std::min<std::size_t>(pending_.size(), kFirstLines);
  setPlainText(Slice(0, next_));
  if (!complete()) more_.start();
}

void ResultsBox::AppendSlice() {
  const std::size_t end = std::min<std::size_t>(pending_.size(), next_ + kSliceLines);
  // appendPlainText would move the view; the cursor keeps the operator's place.
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QLatin1Char('\n') + Slice(next_, end));
  next_ = end;
  if (!complete()) more_.start();
}

QString ResultsBox::Slice(std::size_t first, std::size_t end) const {
  QString text;
  for (std::size_t i = first; i < end; ++i) {
    if (i > first) text += QLatin1Char('\n');
    text += app::ToQString(pending_[i]);
  }
  return text;
}

}  // namespace tavelao::draw
