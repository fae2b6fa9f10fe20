#include "draw/memo_lines.h"

#include <algorithm>
#include <cassert>

#include "draw/standings_list.h"

namespace tavelao::draw {

std::string MemoLines::operator[](std::size_t i) const {
  if (i < text_.size()) return text_[i];
  return WonLine(cards_->entry(won_[i - text_.size()]));
}

void MemoLines::AppendText(std::size_t first, std::size_t end, std::string& text) const {
  end = std::min(end, size());
  for (std::size_t i = first; i < std::min(end, text_.size()); ++i) (text += text_[i]) += '\n';
  for (std::size_t i = std::max(first, text_.size()); i < end; ++i) {
    AppendWonLine(cards_->entry(won_[i - text_.size()]), text);
    text += '\n';
  }
}

void MemoLines::push_back(std::string line) {
  assert(won_.empty());
  text_.push_back(std::move(line));
}

void MemoLines::SetWonCards(std::shared_ptr<const DrawCards> cards, std::vector<std::uint32_t> positions) {
  cards_ = std::move(cards);
  won_ = std::move(positions);
}

void MemoLines::clear() {
  text_.clear();
  won_.clear();
  cards_.reset();
}

std::vector<std::string> MemoLines::ToVector() const {
  std::vector<std::string> lines;
  lines.reserve(size());
  for (std::string line : *this) lines.push_back(std::move(line));
  return lines;
}

}  // namespace tavelao::draw
