#include "app/ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace tavelao::testing {
namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Once the box is up, notes what it shows and presses the button `press`.
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [&seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    box->button(press)->click();
  });
}

TEST(QtDialogs, InformationBoxHasTheIconAndOneOk) {
  app::QtDialogs dialogs;
  SeenBox seen;
  AnswerNextBox(seen, QMessageBox::Ok);
  dialogs.Inform("Senha inválida.", "A senha deve ter 5 caracteres.");
  EXPECT_EQ(seen.title, QString("Senha inválida."));
  EXPECT_EQ(seen.text, QString("A senha deve ter 5 caracteres."));
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

TEST(QtDialogs, QuestionBoxAnswersYesOrNo) {
  app::QtDialogs dialogs;
  SeenBox seen;
  AnswerNextBox(seen, QMessageBox::Yes);
  EXPECT_TRUE(dialogs.Ask("Sair do sistema", "Quer mesmo sair do sistema?"));
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.title, QString("Sair do sistema"));
  seen.buttons.sort();
  EXPECT_EQ(seen.buttons, (QStringList{"Não", "Sim"}));

  AnswerNextBox(seen, QMessageBox::No);
  EXPECT_FALSE(dialogs.Ask("Sair do sistema", "Quer mesmo sair do sistema?"));
}

TEST(QtDialogs, ConversionErrorUsesTheSharedWording) {
  app::QtDialogs dialogs;
  SeenBox seen;
  AnswerNextBox(seen, QMessageBox::Ok);
  dialogs.ReportConversionError("12a");
  EXPECT_EQ(seen.title.toStdString(), kConversionErrorTitle);
  EXPECT_EQ(seen.text.toStdString(), ConversionErrorMessage("12a"));
}

}  // namespace
}  // namespace tavelao::testing
