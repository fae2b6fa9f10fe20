#include "draw/ui/live_page_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/panel_style.h"
#include "app/ui/qt_text.h"
#include "draw/ui/qr_code.h"

namespace tavelao::draw {
namespace {

constexpr int kQrModulePixels = 6;

}  // namespace

LivePageWindow::LivePageWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("FormPaginaAoVivo"));
  setWindowTitle(QStringLiteral("Página ao vivo do sorteio"));
  auto* layout = new QVBoxLayout(this);
  auto* hint = new QLabel(
      QStringLiteral("Nos celulares e TVs da rede do salão, abra o navegador neste endereço ou aponte a câmera para o "
                     "código:"),
      this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  address_ = new QLabel(this);
  address_->setObjectName(QStringLiteral("LabelEndereco"));
  address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont large = address_->font();
  large.setPointSize(large.pointSize() * 2);
  large.setBold(true);
  address_->setFont(large);
  address_->setAlignment(Qt::AlignCenter);
  layout->addWidget(address_);
  qr_ = new QLabel(this);
  qr_->setObjectName(QStringLiteral("LabelQR"));
  qr_->setAlignment(Qt::AlignCenter);
  layout->addWidget(qr_, 1);
  clients_ = new QLabel(this);
  clients_->setObjectName(QStringLiteral("LabelAparelhos"));
  clients_->setAlignment(Qt::AlignCenter);
  layout->addWidget(clients_);
  QPushButton* stop =
      app::MakeButton(QStringLiteral("Parar a publicação"), QStringLiteral("ButtonPararPublicacao"), this);
  layout->addWidget(stop, 0, Qt::AlignRight);
  connect(stop, &QPushButton::clicked, this, &LivePageWindow::stopRequested);
  ShowClients(0);
}

void LivePageWindow::ShowAddress(const std::string& address) {
  const QString text = app::ToQString(address);
  address_->setText(text);
  qr_->setPixmap(QPixmap::fromImage(QrCodeImage(text, kQrModulePixels)));
}

void LivePageWindow::ShowClients(int clients) {
  clients_->setText(clients == 1 ? QStringLiteral("1 aparelho acompanhando")
                                 : QStringLiteral("%1 aparelhos acompanhando").arg(clients));
}

}  // namespace tavelao::draw
