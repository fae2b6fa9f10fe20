#pragma once
// Memo1, the results box: the lines of the last pass. Late in a big draw a
// pass gives thousands of lines; the first screenful shows at once and the
// rest is appended in slices while the operator is already looking, so a
// ball never waits for text nobody has scrolled to yet.

#include <QPlainTextEdit>
#include <QTimer>

#include "draw/memo_lines.h"

namespace tavelao::draw {

class ResultsBox : public QPlainTextEdit {
 public:
  static constexpr int kFirstLines = 200;
  static constexpr int kSliceLines = 1000;
  // The first slice waits until the ball's screens are painted.
  static constexpr int kFirstSliceDelayMs = 40;

  explicit ResultsBox(QWidget* parent = nullptr);

  // Replaces what the box shows (and whatever was still to come).
  void ShowLines(const MemoLines& lines);
  // Every line of the last ShowLines is in the box.
  bool complete() const { return next_ >= pending_.size(); }

 private:
  void AppendSlice();

  // The pass's lines, made and turned into text only as their slice goes in.
  MemoLines pending_;
  std::size_t next_ = 0;
  // The lines first..end, one per line.
  QString Slice(std::size_t first, std::size_t end) const;
  QTimer more_;
};

}  // namespace tavelao::draw
