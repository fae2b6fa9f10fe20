#pragma once
// TFormEmpE: the business card, two per A4 page. Each card carries the
// event's title and footer lines, the column letters of the options and a
// 5 x 5 grid whose cells hold the number and the three name lines of the
// sponsor of that ball. Records are those of "CartEmp.cds".

#include <filesystem>

#include "business/event_data.h"
#include "report/layout.h"
#include "session/card_options.h"

namespace tavelao::business {

inline constexpr const char* kFooterImageFile = "ImagemRodape.jpg";

// `footer_image` is printed over the footer lines when the file exists;
// otherwise the card has no footer picture at all.
report::Layout FormEmpELayout(const EventTexts& event, const session::CardOptions& options,
                              const std::filesystem::path& footer_image);

// Tops of the five grid rows and the bottom of the last, in the band.
inline constexpr double kGridRowTops[6] = {84, 148, 210, 275, 337, 399};

}  // namespace tavelao::business
