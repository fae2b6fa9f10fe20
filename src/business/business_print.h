#pragma once
// What "OK" and "Imprime a lista das empresas" of the business panel print,
// without the screen: the business cards of the issued cards and the
// sponsor list, as finished documents for the preview or a PDF file.

#include <filesystem>

#include "common/result.h"
#include "report/document.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::business {

// The tables business bingo works on while its panel is shown.
struct BusinessTables {
  store::Table& card_file;  // "Cartelas.cds" of the issue run
  store::Table& event;      // "dados.cds"
  store::Table& sponsors;   // "empresas.cds"
};

// Rebuilds "CartEmp.cds" in `folder` (numbers left empty with
// `names_only`) and lays out one business card per record; the footer
// picture is the folder's "ImagemRodape.jpg" when there is one. The document
// holds every page, so it prints after the tables are closed.
Result<report::Document> PrintBusinessCards(const std::filesystem::path& folder, const BusinessTables& tables,
                                            const session::CardOptions& options, bool names_only);

// The sponsor list in Pedra order.
Result<report::Document> PrintSponsorList(store::Table& sponsors);

}  // namespace tavelao::business
