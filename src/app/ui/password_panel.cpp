#include "app/ui/password_panel.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/main_form.h"
#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "app/ui/upper_case_validator.h"
#include "card/password_entry.h"

namespace tavelao::app {
namespace {

constexpr const char* kNote =
    "O sistema gera para cada cartela um código de autenticação a partir desta senha, "
    "da instalação e do número da cartela. O código é impresso na cartela e conferido "
    "na validação, o que dificulta a falsificação.\n"
    "Por segurança, essa senha não é salva no sistema, tendo que ser digitada e\n"
    "confirmada antes de emitir cartelas ou realizar sorteios. Se não for digitada,\n"
    "não será emitido código de autenticação.";

constexpr const char* kPasswordTitle = "Senha de autenticação";
constexpr const char* kPasswordSet = "Senha definida.";

QLineEdit* MakePasswordField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setEchoMode(QLineEdit::Password);
  field->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
  field->setValidator(new UpperCaseValidator(field));
  field->setFixedWidth(120);
  return field;
}

}  // namespace

PanelSenha::PanelSenha(TMainForm& form) : form_(form) {
  setObjectName(QStringLiteral("PanelSenha"));
  StylePanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      MakePanelTitle(QStringLiteral("Senha de autenticação das cartelas"), QStringLiteral("LabelTituloSenha"), this));
  auto* hint = new QLabel(QStringLiteral("Digite a senha com 5 caracteres alfanuméricos."), this);
  hint->setObjectName(QStringLiteral("LabelDicaSenha"));
  layout->addWidget(hint);

  auto* fields = new QFormLayout;
  senha_ = MakePasswordField(QStringLiteral("EditS1"), this);
  confirme_ = MakePasswordField(QStringLiteral("EditS2"), this);
  fields->addRow(QStringLiteral("Senha"), senha_);
  fields->addRow(QStringLiteral("Confirme"), confirme_);
  layout->addLayout(fields);

  auto* note = new QPlainTextEdit(QString::fromUtf8(kNote), this);
  note->setObjectName(QStringLiteral("MemoSenha"));
  note->setReadOnly(true);
  note->setFocusPolicy(Qt::NoFocus);
  note->setFixedSize(560, 104);
  layout->addWidget(note);

  QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ButtonOkSenha"), this);
  PressOnEnter(*this, *ok);
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &PanelSenha::ButtonOkSenhaClick);
}

void PanelSenha::Open() {
  form_.ShowPanel(this);
  senha_->setFocus();
}

void PanelSenha::ButtonOkSenhaClick() {
  const card::PasswordEntry entry = card::EnterPassword(ToUtf8(senha_->text()), ToUtf8(confirme_->text()));
  form_.workspace().password = entry.password;
  if (const auto notice = card::NoticeFor(entry.outcome)) {
    form_.services().dialogs.Inform(notice->title, notice->text);
    return;
  }
  hide();
  // The fields show only stars: the organiser is told that the password took.
  if (entry.outcome == card::PasswordOutcome::Set) form_.services().dialogs.Inform(kPasswordTitle, kPasswordSet);
}

void InstallPasswordPanel(TMainForm& form) {
  auto* panel = new PanelSenha(form);
  form.AddPanel(panel);
  form.EnableMenuEntry(QStringLiteral("MenuSenha"), [panel] { panel->Open(); });
}

}  // namespace tavelao::app
