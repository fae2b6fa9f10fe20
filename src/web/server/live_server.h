#pragma once
// The live page of the draw, served read-only on the hall's network while
// the draw runs: GET / is the page, GET /estado the last published state,
// and the WebSocket /ao-vivo hands every client that state when it connects
// and again after every Publish. Runs on the program's event loop.
//
// Clients are bounded (kMaxClients), read-only (one that sends a message is
// dropped), kept honest (one that stops reading, or stops answering pings,
// is dropped) and never make Publish wait.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/result.h"
#include "web/serve_address.h"

class QWebSocket;

namespace tavelao::web {

class ConnectionGate;

class LiveServer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxClients = 500;

  explicit LiveServer(QObject* parent = nullptr);
  ~LiveServer() override;

  // Starts serving on the address; the failure says why in Portuguese,
  // naming the address. Port 0 = any free port.
  Status Listen(const ServeAddress& at);
  void Close();  // every client dropped, the port freed
  bool listening() const;
  std::uint16_t port() const;  // the port actually bound

  // The state every client gets now, and every client that connects later,
  // and GET /estado answers. Never waits for a client.
  void Publish(std::string json);
  int clients() const;  // WebSocket clients connected now

 signals:
  void clientsChanged(int clients);

 private:
  class PageServer;
  struct Client {
    QWebSocket* socket;
    QElapsedTimer since_pong;
  };

  void TakeNewClients();
  void Admit(QWebSocket* socket);
  void Send(QWebSocket* socket);
  void Drop(QWebSocket* socket);
  void Forget(QWebSocket* socket);
  void PingClients();

  QByteArray page_;
  QByteArray state_;    // UTF-8, for GET /estado
  QString state_text_;  // the same, for the WebSocket text messages
  std::unique_ptr<PageServer> http_;
  ConnectionGate* gate_ = nullptr;  // owned by http_
  std::vector<Client> clients_;
  QTimer ping_timer_;
};

}  // namespace tavelao::web
