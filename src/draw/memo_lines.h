#pragma once
// The lines of Memo1 after a pass. Its announcements, near-win counts and
// the heads of the standings list are text; the "Bateu" lines of the cards
// that completed the whole card come last and are made only when read:
// late in a big draw they name every card of the draw, and the box shows a
// screenful of them long before anyone scrolls to the rest.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "draw/draw_cards.h"

namespace tavelao::draw {

class MemoLines {
 public:
  MemoLines() = default;
  MemoLines(std::vector<std::string> lines) : text_(std::move(lines)) {}

  std::size_t size() const { return text_.size() + won_.size(); }
  bool empty() const { return size() == 0; }
  std::string operator[](std::size_t i) const;

  // A line of text, before any won card.
  void push_back(std::string line);
  // The won cards' lines, after every line of text: positions in `cards`.
  void SetWonCards(std::shared_ptr<const DrawCards> cards, std::vector<std::uint32_t> positions);
  void clear();

  // Lines first..end (end excluded), each followed by a line end, appended
  // to `text`: how a screenful or a whole pass is written out.
  void AppendText(std::size_t first, std::size_t end, std::string& text) const;
  // Every line made, for whoever wants them all at once.
  std::vector<std::string> ToVector() const;

  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string;

    const_iterator(const MemoLines* lines, std::size_t i) : lines_(lines), i_(i) {}
    std::string operator*() const { return (*lines_)[i_]; }
    const_iterator& operator++() {
      ++i_;
      return *this;
    }
    friend bool operator==(const const_iterator&, const const_iterator&) = default;

   private:
    const MemoLines* lines_;
    std::size_t i_;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

 private:
  std::vector<std::string> text_;
  std::shared_ptr<const DrawCards> cards_;
  std::vector<std::uint32_t> won_;
};

}  // namespace tavelao::draw
