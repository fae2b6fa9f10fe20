#include "draw/minutes_sheet.h"

#include <memory>
#include <string>
#include <vector>

#include "layouts/card_styles.h"
#include "report/band_engine.h"
#include "report/record_source.h"
#include "store/record.h"

namespace tavelao::draw {
namespace {

constexpr double kLineHeight = 16;
constexpr double kTimeWidth = 125;  // room for a whole "10/12/2026 00:05:10"
constexpr double kTextLeft = kTimeWidth + 5;
// The bottom margin leaves room for the page number below the lines.
constexpr double kSideMarginMm = 10;
constexpr double kBottomMarginMm = 18;
constexpr double kPageNumberTopMm = 12;  // above the paper's bottom edge
constexpr const char* kSignatureLine = "____________________________________________";

// The fields of one printed line: a heading, or a time and a text.
constexpr const char* kHeadingField = "Titulo";
constexpr const char* kTimeField = "Hora";
constexpr const char* kTextField = "Texto";

std::shared_ptr<const store::Schema> LineSchema() {
  static const auto schema = std::make_shared<const store::Schema>(store::Schema{
      store::StringField(kHeadingField, 60), store::StringField(kTimeField, 19), store::StringField(kTextField, 400)});
  return schema;
}

class LineRecords {
 public:
  void Blank() { records_.emplace_back(LineSchema()); }
  void Heading(const std::string& heading) {
    Blank();
    records_.back().Set(kHeadingField, heading);
  }
  void Line(const std::string& time, const std::string& text) {
    Blank();
    records_.back().Set(kTimeField, time);
    records_.back().Set(kTextField, text);
  }
  std::vector<store::Record> Take() { return std::move(records_); }

 private:
  std::vector<store::Record> records_;
};

std::vector<store::Record> RecordsOf(const DrawMinutes& minutes) {
  LineRecords lines;
  for (const MinutesSection& section : minutes.sections) {
    if (&section != &minutes.sections.front()) lines.Blank();
    lines.Heading(section.heading);
    for (const MinutesLine& line : section.lines) lines.Line(line.time, line.text);
  }
  lines.Blank();
  for (const std::string& caption : minutes.signatures) {
    // Two empty lines of room to sign in.
    lines.Blank();
    lines.Blank();
    lines.Line("", kSignatureLine);
    lines.Line("", caption);
  }
  return lines.Take();
}

report::PageSetup MinutesPage() {
  report::PageSetup page{report::Paper::kA4, report::Orientation::kPortrait,
                         report::Margins::All(report::Mm(kSideMarginMm))};
  page.margins.bottom = report::Mm(kBottomMarginMm);
  return page;
}

// "Ata do sorteio nº 3 - página 1 de 3" under every page, so that a
// missing sheet shows.
void NumberPages(report::Document& document, const std::string& title) {
  const report::Rect area = document.page.Printable();
  const report::Rect place{area.x, document.page.height() - report::Mm(kPageNumberTopMm), area.width, report::Mm(5)};
  report::TextStyle style = layouts::TextStyleOf(8, false, report::HAlign::kRight);
  const std::string total = std::to_string(document.pages.size());
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    const std::string text = title + " - página " + std::to_string(i + 1) + " de " + total;
    document.pages[i].items.push_back({"LabelPagina", place, report::PlacedText{text, style}, report::kPageHeader});
  }
}

}  // namespace

report::Layout MinutesLayout(const DrawMinutes& minutes) {
  report::Layout layout;
  layout.name = kMinutesSheetName;
  layout.page = MinutesPage();
  const double width = layout.page.Printable().width;

  report::Band& heading = layout.page_header.emplace();
  heading.height = 84;
  heading.items.push_back(report::Label("LabelTitulo", {0, 0, width, 26}, minutes.title,
                                        layouts::TextStyleOf(15, true, report::HAlign::kCentre)));
  report::TextStyle event = layouts::TextStyleOf(11, false, report::HAlign::kCentre);
  event.min_points = 8;
  heading.items.push_back(report::Label("LabelEvento", {0, 26, width, 20}, minutes.event_title, event));
  heading.items.push_back(
      report::Label("LabelDatas", {0, 48, width, 20},
                    "Data: " + minutes.date + "     Início: " + minutes.started + "     Término: " + minutes.ended,
                    layouts::TextStyleOf(10, false, report::HAlign::kCentre)));
  heading.items.push_back(report::Rule("LinhaTitulo", {0, 74}, {width, 74}));

  report::Band& line = layout.detail;
  line.height = kLineHeight;
  line.items.push_back(
      report::FieldText(kHeadingField, {0, 0, width, kLineHeight}, kHeadingField, layouts::TextStyleOf(11, true)));
  line.items.push_back(
      report::FieldText(kTimeField, {0, 0, kTimeWidth, kLineHeight}, kTimeField, layouts::TextStyleOf(10)));
  // A long list of draw types is set smaller rather than cut.
  report::TextStyle text = layouts::TextStyleOf(10);
  text.min_points = 6;
  line.items.push_back(report::FieldText(kTextField, {kTextLeft, 0, width - kTextLeft, kLineHeight}, kTextField, text));
  return layout;
}

Result<report::Document> MinutesDocument(const DrawMinutes& minutes) {
  const std::vector<store::Record> records = RecordsOf(minutes);
  auto document = report::BuildDocument(MinutesLayout(minutes), report::RecordList(records));
  if (document) NumberPages(*document, minutes.title);
  return document;
}

}  // namespace tavelao::draw
