// Real documents onto the real outputs: the PDF keeps its texts, prints after
// the card file is gone, and its bar code reads back.

#include <gtest/gtest.h>

#include <QImage>
#include <regex>

#include "layout_fixture.h"
#include "layouts/print_card_file.h"
#include "report/document_output.h"
#include "support/cli_runner.h"
#include "support/required_tool.h"

namespace tavelao::layouts {
namespace {

TEST_F(LayoutTest, PdfOfADeletedCardFileKeepsEveryText) {
  TAVELAO_REQUIRE_TOOL("pdftotext");
  password = *card::Password::FromText("ABCDE");
  Issue(41, 4);
  PrintRequest request;
  request.model_code = 12;
  request.options = options;
  auto printed = PrintCardFile(request, card_file, password, issuer);
  ASSERT_TRUE(printed.ok());
  ASSERT_FALSE(std::filesystem::exists(dir / issue::kCardFile));
  ASSERT_TRUE(report::WritePdf(printed->document, dir / "doze.pdf").ok());
  const std::string text = testing::CommandOutput("pdftotext -raw '" + (dir / "doze.pdf").string() + "' -");
  for (int n = 41; n <= 44; ++n) {
    EXPECT_NE(text.find(SixDigits(n) + "-" + card::CheckDigit(n)), std::string::npos) << n << "\n" << text;
    EXPECT_NE(text.find(card::AuthenticationLine(card::CardAuthenticationCode(bank, n, password, issuer))),
              std::string::npos);
  }
  EXPECT_NE(text.find("B I N G O"), std::string::npos);
}

TEST_F(LayoutTest, BarCodeOfARenderedPageReadsBack) {
  TAVELAO_REQUIRE_TOOL("zbarimg");
  password = *card::Password::FromText("ABCDE");
  const report::Document document = Print(1, 42, 1);
  const QImage page = report::PageImage(document, 0, 200);
  const std::string png = (dir / "pagina.png").string();
  ASSERT_TRUE(page.save(QString::fromStdString(png)));
  const std::string expected = card::BarCodeText(42, card::CardAuthenticationCode(bank, 42, password, issuer));
  EXPECT_EQ(testing::CommandOutput("zbarimg -q --raw '" + png + "' 2>/dev/null"), expected + "\n");
}

TEST_F(LayoutTest, EveryLayoutPaintsOnAPdf) {
  for (int model : kFixedModels) {
    const report::Document document = Print(model, 1, 6);
    const auto pdf = dir / ("modelo" + std::to_string(model) + ".pdf");
    ASSERT_TRUE(report::WritePdf(document, pdf).ok()) << model;
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u) << model;
    if (testing::ToolAvailable("pdfinfo")) {
      const std::string info = testing::CommandOutput("pdfinfo '" + pdf.string() + "'");
      EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +" + std::to_string(document.pages.size()) + "\n")))
          << info;
      EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    }
  }
}

}  // namespace
}  // namespace tavelao::layouts
