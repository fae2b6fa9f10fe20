#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "app_harness.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

class PasswordPanel : public ::testing::Test {
 protected:
  // Opens the panel, types both texts and presses "OK".
  void Enter(const QString& senha, const QString& confirme) {
    app.Choose("MenuSenha");
    for (const char* name : {"EditS1", "EditS2"}) app.Find<QLineEdit>(name)->clear();
    app.Type("EditS1", senha);
    app.Type("EditS2", confirme);
    app.Click("ButtonOkSenha");
  }
  std::u32string Password() { return app.workspace().password.chars(); }
  bool PanelOpen() { return app.Find("PanelSenha")->isVisible(); }

  TempFolder dir;
  AppHarness app{dir.path()};
};

TEST_F(PasswordPanel, OpensWithMaskedFieldsAndTheNote) {
  EXPECT_FALSE(PanelOpen());
  app.Choose("MenuSenha");
  EXPECT_TRUE(PanelOpen());
  for (const char* name : {"EditS1", "EditS2"}) {
    EXPECT_EQ(app.Find<QLineEdit>(name)->echoMode(), QLineEdit::Password) << name;
  }
  EXPECT_EQ(app.form().focusWidget(), app.Find<QLineEdit>("EditS1"));
  const auto* note = app.Find<QPlainTextEdit>("MemoSenha");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isReadOnly());
  EXPECT_TRUE(
      note->toPlainText().endsWith("Por segurança, essa senha não é salva no sistema, tendo que ser digitada e\n"
                                   "confirmada antes de emitir cartelas ou realizar sorteios. Se não for digitada,\n"
                                   "não será emitido código de autenticação."));
}

TEST_F(PasswordPanel, SameFiveCharactersTwiceSetItUpperCasedAsTyped) {
  Enter("ab1çd", "AB1Çd");
  EXPECT_EQ(app.Find<QLineEdit>("EditS1")->displayText(), QString("*****"));
  EXPECT_EQ(app.Find<QLineEdit>("EditS1")->text(), QString("AB1ÇD"));
  EXPECT_EQ(app.Find<QLineEdit>("EditS2")->text(), QString("AB1ÇD"));
  EXPECT_EQ(Password(), U"AB1ÇD");
  EXPECT_FALSE(PanelOpen());
  // The fields show only stars: the organiser is told that it took.
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Senha de autenticação");
  EXPECT_EQ(app.dialogs.last().text, "Senha definida.");
  EXPECT_FALSE(app.dialogs.last().question);
}

TEST_F(PasswordPanel, NothingTwiceSwitchesAuthenticationOff) {
  Enter("ABCDE", "ABCDE");
  ASSERT_EQ(Password(), U"ABCDE");
  app.dialogs.shown.clear();  // "Senha definida."
  Enter("", "");
  EXPECT_TRUE(app.workspace().password.empty());
  EXPECT_FALSE(PanelOpen());
  EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(PasswordPanel, DifferentTextsLeaveItOffAndThePanelOpen) {
  Enter("ABCDE", "ABCDE");
  app.dialogs.shown.clear();  // "Senha definida."
  Enter("ABCDE", "ABCDF");
  EXPECT_TRUE(app.workspace().password.empty()) << "the old password is dropped too";
  EXPECT_TRUE(PanelOpen());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Senhas diferentes.");
  EXPECT_EQ(app.dialogs.last().text, "As senhas digitadas dever ser idênticas.");
  EXPECT_FALSE(app.dialogs.last().question);
}

TEST_F(PasswordPanel, FourCharactersAreRefused) {
  Enter("ABCD", "ABCD");
  EXPECT_TRUE(app.workspace().password.empty());
  EXPECT_TRUE(PanelOpen());
  ASSERT_EQ(app.dialogs.shown.size(), 1u);
  EXPECT_EQ(app.dialogs.last().title, "Senha inválida.");
  EXPECT_EQ(app.dialogs.last().text, "A senha deve ter 5 caracteres.");
}

}  // namespace
}  // namespace tavelao::testing
