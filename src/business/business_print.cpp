#include "business/business_print.h"

#include "business/business_card_layout.h"
#include "business/business_cards.h"
#include "business/event_data.h"
#include "business/sponsor_list_layout.h"
#include "business/sponsors.h"
#include "issue/card_file.h"
#include "report/band_engine.h"
#include "report/record_source.h"

namespace tavelao::business {

Result<report::Document> PrintBusinessCards(const std::filesystem::path& folder, const BusinessTables& tables,
                                            const session::CardOptions& options, bool names_only) {
  auto sponsors = Sponsors::Load(tables.sponsors);
  if (!sponsors) return std::move(sponsors).take_error();
  auto event = ReadEventTexts(tables.event);
  if (!event) return std::move(event).take_error();
  auto cards = RebuildBusinessCardFile(folder, tables.card_file, *sponsors, names_only);
  if (!cards) return std::move(cards).take_error();
  const report::Layout layout = FormEmpELayout(*event, options, folder / kFooterImageFile);
  return report::BuildDocument(layout, report::TableRecords(*cards, {"", issue::kNumeroField}));
}

Result<report::Document> PrintSponsorList(store::Table& sponsors) {
  return report::BuildDocument(FormEmpLayout(), report::TableRecords(sponsors, {"", "Pedra"}));
}

}  // namespace tavelao::business
