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
  connect(&more_, &QTimer::timeout, this, &ResultsBox::AppendSlice);
}

void ResultsBox::ShowLines(const MemoLines& lines) {
  more_.stop();
  pending_ = lines;
  next_ = std::min<std::size_t>(pending_.size(), kFirstLines);
  setPlainText(Slice(0, next_));
  if (!complete()) more_.start(kFirstSliceDelayMs);
}

void ResultsBox::AppendSlice() {
  const std::size_t end = std::min<std::size_t>(pending_.size(), next_ + kSliceLines);
  // appendPlainText would move the view; the cursor keeps the operator's place.
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QLatin1Char('\n') + Slice(next_, end));
  next_ = end;
  if (!complete()) more_.start(0);
}

QString ResultsBox::Slice(std::size_t first, std::size_t end) const {
  std::string text;
  pending_.AppendText(first, end, text);
  if (!text.empty()) text.pop_back();  // the last line's end: the box ends there
  return app::ToQString(text);
}

}  // namespace tavelao::draw
