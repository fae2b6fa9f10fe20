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

TEST(IssuerSetting, AuthenticationSchemeBesideTheIssuer) {
  TempFolder dir;
  const auto file = dir / "tavelao.conf";
  const auto read = [&file](const std::string& text) {
    WriteBytes(file, text);
    auto issuer = ReadIssuerSetting(file);
    EXPECT_TRUE(issuer) << text << ": " << issuer.error();
    return issuer ? *issuer : card::IssuerNumber();
  };
  EXPECT_EQ(read("emissor=12345\n").scheme(), card::AuthenticationScheme::Default) << "no line: as always";
  EXPECT_EQ(read("autenticacao=padrao\n").scheme(), card::AuthenticationScheme::Default);
  EXPECT_EQ(read("Autenticação = Padrão\r\n").scheme(), card::AuthenticationScheme::Default);
  const card::IssuerNumber hmac = read("autenticacao=hmac\nemissor=12345\n");
  EXPECT_EQ(hmac.scheme(), card::AuthenticationScheme::Hmac);
  EXPECT_EQ(hmac.Digits(), "12345") << "the order of the lines does not matter";
  EXPECT_EQ(read("emissor=12345\n AUTENTICACAO = HMAC \n").scheme(), card::AuthenticationScheme::Hmac);
  EXPECT_EQ(read("autenticacao=hmac\n").value(), 1);
}

TEST(IssuerSetting, UnknownSchemeIsRefusedLikeABadIssuer) {
  TempFolder dir;
  for (const char* value : {"", "sha256", "hmac-sha256", "padraoo", "1"}) {
    WriteBytes(dir / "tavelao.conf", std::string("emissor=12345\nautenticacao=") + value + "\n");
    auto issuer = ReadIssuerSetting(dir / "tavelao.conf");
    ASSERT_FALSE(issuer) << value;
    EXPECT_NE(issuer.error().find("autenticação"), std::string::npos) << issuer.error();
    EXPECT_NE(issuer.error().find("hmac"), std::string::npos) << "names the accepted values";
    EXPECT_NE(issuer.error().find("tavelao.conf"), std::string::npos);
  }
}

}  // namespace
}  // namespace tavelao::session
