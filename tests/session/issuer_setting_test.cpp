#include "session/issuer_setting.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tavelao::session {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(IssuerSetting, MissingFileOrLineMeansOne) {
  TempFolder dir;
  EXPECT_EQ(ReadIssuerSetting(dir / "tavelao.conf")->value(), 1);
  WriteBytes(dir / "tavelao.conf", "# sem emissor\noutra=3\n");
  EXPECT_EQ(ReadIssuerSetting(dir / "tavelao.conf")->value(), 1);
}

TEST(IssuerSetting, FiveDigitNumberIsTaken) {
  TempFolder dir;
  WriteBytes(dir / "tavelao.conf", "  Emissor = 12345 \r\n");
  auto issuer = ReadIssuerSetting(dir / "tavelao.conf");
  ASSERT_TRUE(issuer) << issuer.error();
  EXPECT_EQ(issuer->Digits(), "12345");
}

TEST(IssuerSetting, AnythingElseIsRefusedWithAMessage) {
  TempFolder dir;
  for (const char* value : {"abc", "1234", "123456", "01234", "0", "-12345", "", "12345x"}) {
    WriteBytes(dir / "tavelao.conf", std::string("emissor=") + value + "\n");
    auto issuer = ReadIssuerSetting(dir / "tavelao.conf");
    ASSERT_FALSE(issuer) << value;
    EXPECT_NE(issuer.error().find("emissor"), std::string::npos);
    EXPECT_NE(issuer.error().find("tavelao.conf"), std::string::npos);
  }
}

}  // namespace
}  // namespace tavelao::session
