#pragma once
// The listening socket of the live page's server, and the door every new
// connection passes first. Qt HttpServer 6.4 has no bound of its own on a
// request head nor on the time it takes, nor on the connections open, so the
// gate reads the first request head itself (at most 8 KB, within 10 s),
// answers and closes what AnswerFor refuses and an upgrade beyond the
// clients allowed, and hands every other connection, its bytes unread, to
// the QAbstractHttpServer it is bound to (QAbstractHttpServer::bind).
// Later requests of a kept-alive connection are the server's to judge.

#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

namespace tavelao::web {

class ConnectionGate : public QTcpServer {
 public:
  // live_clients: the WebSocket clients connected now, at most max_clients.
  ConnectionGate(int max_clients, std::function<int()> live_clients, QObject* parent = nullptr);

  // The server marks a connection it upgrades to a WebSocket: from then on
  // it is a client, neither counted nor timed by the gate.
  static void MarkLive(QTcpSocket* socket);

 protected:
  void incomingConnection(qintptr handle) override;

 private:
  void Inspect(QTcpSocket* socket);
  void Refuse(QTcpSocket* socket, int status);
  void PassOn(QTcpSocket* socket);
  int OpenRequests();

  const int max_clients_;
  std::function<int()> live_clients_;
  QSet<QTcpSocket*> waiting_;                 // first head not read yet
  std::vector<QPointer<QTcpSocket>> passed_;  // handed on, not (yet) a client
};

}  // namespace tavelao::web
