#pragma once
// "Página ao vivo": where the hall reaches the live page of the draw (its
// address in large type and as a QR code), how many devices follow it, and
// the button that stops publishing.

#include <QWidget>
#include <string>

class QLabel;

namespace tavelao::draw {

class LivePageWindow : public QWidget {
  Q_OBJECT
 public:
  explicit LivePageWindow(QWidget* owner);

  void ShowAddress(const std::string& address);
  void ShowClients(int clients);

 signals:
  void stopRequested();  // ButtonPararPublicacao

 private:
  QLabel* address_ = nullptr;
  QLabel* qr_ = nullptr;
  QLabel* clients_ = nullptr;
};

}  // namespace tavelao::draw
