#include "support/page_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <utility>
#include <variant>

#include "report/page_setup.h"
#include "support/preview_likeness.h"

namespace tavelao::testing {
namespace {

// pdftotext's boxes of neighbouring lines touch; anything more is overlap.
constexpr double kOverlapMm = 0.05;
// A word may reach onto its card's border line, not past it.
constexpr double kInsideCardMm = 0.2;

// How far apart two boxes of the same word are: the largest difference of
// their edges.
double Distance(const PdfWord& a, const PdfWord& b) {
  return std::max(
      {std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right), std::abs(a.bottom - b.bottom)});
}

// Matches the words of two outputs in order (longest common subsequence of
// their texts): pairs of indices, the rest unmatched.
std::vector<std::pair<std::size_t, std::size_t>> Align(const std::vector<PdfWord>& a, const std::vector<PdfWord>& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<std::vector<std::uint16_t>> common(n + 1, std::vector<std::uint16_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      common[i][j] = a[i].text == b[j].text ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0, j = 0; i < n && j < m;) {
    if (a[i].text == b[j].text) {
      pairs.emplace_back(i++, j++);
    } else if (common[i + 1][j] >= common[i][j + 1]) {
      ++i;
    } else {
      ++j;
    }
  }
  return pairs;
}

std::string OverlapOf(const PdfWord& a, const PdfWord& b) {
  const double across = std::min(a.right, b.right) - std::max(a.left, b.left);
  const double down = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  if (across <= kOverlapMm || down <= kOverlapMm) return {};
  return Describe(a) + " and " + Describe(b) + " overlap by " + Mm(across) + " x " + Mm(down) + " mm";
}

// Words whose boxes overlap by more than the touching of neighbours: any
// two of `words`, or (with `others`) one of each list.
std::vector<std::string> Overlaps(const std::vector<const PdfWord*>& words,
                                  const std::vector<const PdfWord*>* others = nullptr) {
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::vector<const PdfWord*>& second = others ? *others : words;
    for (std::size_t j = others ? 0 : i + 1; j < second.size(); ++j) {
      if (std::string overlap = OverlapOf(*words[i], *second[j]); !overlap.empty()) problems.push_back(overlap);
    }
  }
  return problems;
}

std::vector<const PdfWord*> Pointers(const std::vector<PdfWord>& words) {
  std::vector<const PdfWord*> out;
  for (const PdfWord& word : words) out.push_back(&word);
  return out;
}

// The edge of the sheet nearest to the box, and how far it is.
std::pair<const char*, double> NearestEdge(double left, double top, double right, double bottom, double width,
                                           double height) {
  const double to_right = width - right, to_bottom = height - bottom;
  const double nearest = std::min({left, top, to_right, to_bottom});
  const char* edge = nearest == left ? "left" : nearest == top ? "top" : nearest == to_right ? "right" : "bottom";
  return {edge, nearest};
}

}  // namespace

std::vector<MmRect> CardAreas(const report::Document& document, double page_header_height) {
  std::vector<MmRect> areas;
  if (document.pages.empty()) return areas;
  for (const report::Rect& band : document.pages[0].bands) areas.push_back(ToMm(band));
  if (page_header_height > 0) {
    const report::Rect printable = document.page.Printable();
    areas.push_back(ToMm({printable.x, printable.y, printable.width, page_header_height}));
  }
  return areas;
}

void ExpectSameWordsInTheSamePlaces(const std::vector<PageOutput>& outputs, const std::string& where) {
  ASSERT_FALSE(outputs.empty()) << where;
  const PageOutput& reference = outputs.front();
  ASSERT_GT(reference.words.size(), 20u) << where << ", " << reference.name << ": the page reads as almost no words";

  for (std::size_t o = 1; o < outputs.size(); ++o) {
    const PageOutput& output = outputs[o];
    const auto pairs = Align(reference.words, output.words);
    std::vector<bool> matched_ref(reference.words.size()), matched_out(output.words.size());
    std::vector<std::pair<double, std::string>> moved;
    double largest = 0;
    const PdfWord* largest_word = nullptr;
    for (auto [r, w] : pairs) {
      matched_ref[r] = matched_out[w] = true;
      const double distance = Distance(reference.words[r], output.words[w]);
      if (distance > largest) largest = distance, largest_word = &output.words[w];
      if (distance > kSamePlaceMm) {
        moved.emplace_back(distance, Describe(output.words[w]) + " is " + Mm(distance) +
                                         " mm from its place in the 1200-dpi PDF " + Describe(reference.words[r]));
      }
    }
    std::sort(moved.rbegin(), moved.rend());  // the farthest first
    std::vector<std::string> moved_words;
    for (const auto& [distance, text] : moved) moved_words.push_back(text);
    std::vector<std::string> different;
    for (std::size_t r = 0; r < reference.words.size(); ++r) {
      if (!matched_ref[r]) different.push_back("the 1200-dpi PDF has " + Describe(reference.words[r]) + ", this not");
    }
    for (std::size_t w = 0; w < output.words.size(); ++w) {
      if (!matched_out[w]) different.push_back("this has " + Describe(output.words[w]) + ", the 1200-dpi PDF not");
    }
    const std::string name = where + ", " + output.name;
    std::cout << "[ geometry ] " << name << ": " << pairs.size() << " words matched, " << different.size()
              << " differ, largest move " << Mm(largest) << " mm"
              << (largest_word ? " ('" + largest_word->text + "')" : std::string()) << "\n";
    EXPECT_TRUE(different.empty()) << name << ": " << different.size() << " words differ from the 1200-dpi PDF's"
                                   << Listed(different);
    EXPECT_TRUE(moved.empty()) << name << ": " << moved.size() << " words more than " << Mm(kSamePlaceMm)
                               << " mm from their place in the 1200-dpi PDF, up to " << Mm(largest) << " mm"
                               << Listed(moved_words);
  }
}

void ExpectWordsApartInsideAndClearOfTheEdge(const std::vector<PageOutput>& outputs, const report::Document& document,
                                             const std::vector<MmRect>& areas, const std::string& where) {
  ASSERT_FALSE(outputs.empty()) << where;
  ASSERT_FALSE(areas.empty()) << where;
  const double width = SheetWidthMm(document), height = SheetHeightMm(document);
  for (const PageOutput& output : outputs) {
    const std::string name = where + ", " + output.name;
    const std::vector<std::string> overlaps = Overlaps(Pointers(output.words));
    EXPECT_TRUE(overlaps.empty()) << name << ": " << overlaps.size() << " pairs of words overlap" << Listed(overlaps);

    std::vector<std::string> outside_cards, near_edges;
    for (const PdfWord& word : output.words) {
      if (std::none_of(areas.begin(), areas.end(),
                       [&](const MmRect& card) { return card.Holds(word, kInsideCardMm); })) {
        double nearest = 1e9;
        for (const MmRect& card : areas) nearest = std::min(nearest, card.Outside(word));
        outside_cards.push_back(Describe(word) + " reaches " + Mm(nearest) + " mm out of its card");
      }
      const auto [edge, distance] = NearestEdge(word.left, word.top, word.right, word.bottom, width, height);
      if (distance < report::kPrinterEdgeMm) {
        near_edges.push_back(Describe(word) + " is " + Mm(distance) + " mm from the " + edge + " edge");
      }
    }
    EXPECT_TRUE(outside_cards.empty()) << name << ": " << outside_cards.size() << " words not inside a card"
                                       << Listed(outside_cards);
    EXPECT_TRUE(near_edges.empty()) << name << ": " << near_edges.size() << " words closer than "
                                    << Mm(report::kPrinterEdgeMm) << " mm to the paper's edge" << Listed(near_edges);
  }
}

void ExpectTextsWholeAndApart(const std::vector<PageOutput>& outputs, const std::vector<std::string>& texts,
                              const MmRect& area, const std::string& where) {
  ASSERT_FALSE(outputs.empty()) << where;
  for (const PageOutput& output : outputs) {
    const std::string name = where + ", " + output.name;
    std::vector<std::vector<const PdfWord*>> found(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k) {
      std::vector<std::string> tokens;
      std::istringstream split(texts[k]);
      for (std::string token; split >> token;) tokens.push_back(token);
      for (std::size_t i = 0; i + tokens.size() <= output.words.size() && found[k].empty(); ++i) {
        if (std::equal(tokens.begin(), tokens.end(), output.words.begin() + i,
                       [](const std::string& t, const PdfWord& w) { return t == w.text; })) {
          for (std::size_t t = 0; t < tokens.size(); ++t) found[k].push_back(&output.words[i + t]);
        }
      }
      EXPECT_FALSE(found[k].empty()) << name << ": \"" << texts[k] << "\" does not print whole";
    }
    std::vector<std::string> problems;
    for (std::size_t j = 0; j < texts.size(); ++j) {
      for (const PdfWord* word : found[j]) {
        if (!area.Holds(*word, kInsideCardMm)) {
          problems.push_back("\"" + texts[j] + "\": " + Describe(*word) + " reaches " + Mm(area.Outside(*word)) +
                             " mm out of the card");
        }
      }
      for (std::size_t k = j + 1; k < texts.size(); ++k) {
        for (const std::string& overlap : Overlaps(found[j], &found[k])) {
          problems.push_back("\"" + texts[j] + "\" and \"" + texts[k] + "\": " + overlap);
        }
      }
    }
    EXPECT_TRUE(problems.empty()) << name << ": the long texts run into each other or out of the card"
                                  << Listed(problems);
  }
}

void ExpectBarCodesClearOfThePaperEdge(const report::Document& document, const std::string& where) {
  ASSERT_FALSE(document.pages.empty()) << where;
  const double width = SheetWidthMm(document), height = SheetHeightMm(document);
  std::vector<std::string> near_edges;
  for (const report::PlacedItem& item : document.pages[0].items) {
    if (!std::holds_alternative<report::PlacedBarCode>(item.content)) continue;
    const MmRect r = ToMm(item.rect);
    const auto [edge, distance] = NearestEdge(r.left, r.top, r.right, r.bottom, width, height);
    if (distance < report::kPrinterEdgeMm) {
      near_edges.push_back(item.name + " at (" + Mm(r.left) + ", " + Mm(r.top) + ")-(" + Mm(r.right) + ", " +
                           Mm(r.bottom) + ") mm is " + Mm(distance) + " mm from the " + edge + " edge");
    }
  }
  EXPECT_TRUE(near_edges.empty()) << where << ": " << near_edges.size() << " bar codes closer than "
                                  << Mm(report::kPrinterEdgeMm) << " mm to the paper's edge" << Listed(near_edges);
}

std::vector<PageOutput> ExpectPageGeometry(const report::Document& document, const std::vector<MmRect>& areas,
                                           const std::filesystem::path& folder, const std::string& where) {
  std::vector<PageOutput> outputs = PageOutputs(document, folder, where);
  EXPECT_EQ(outputs.size(), 6u) << where;
  if (outputs.size() != 6u) return {};
  ExpectSameWordsInTheSamePlaces(outputs, where);
  ExpectWordsApartInsideAndClearOfTheEdge(outputs, document, areas, where);
  ExpectBarCodesClearOfThePaperEdge(document, where);
  ExpectPreviewLooksLikeThePrint(document, folder, where);
  return outputs;
}

}  // namespace tavelao::testing
