#include "web/server/live_server.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QMetaEnum>
#include <QTcpSocket>
#include <QWebSocket>
#include <algorithm>
#include <chrono>
#include <utility>

#include "web/request_rules.h"
#include "web/server/connection_gate.h"
#include "web/server/http_answer.h"

// A static library's resources are registered only when asked for.
static void RegisterLivePage() { Q_INIT_RESOURCE(live_page); }

namespace tavelao::web {
namespace {

using namespace std::chrono_literals;

// What a client may have unsent before it is taken for one that stopped
// reading: a few states of the biggest draw.
constexpr qint64 kMaxUnsentBytes = 1024 * 1024;
constexpr auto kPingInterval = 10s;
constexpr qint64 kPongTimeoutMs = 30'000;
// Clients send nothing but control frames; anything bigger is cut short.
constexpr quint64 kMaxIncomingBytes = 1024;

constexpr std::string_view kEmptyState =
    R"({"sorteio": 0, "titulo": "", "letras": "BINGO", "em_jogo": 100, "bolas": [], "ultima": null, )"
    R"("tipos": [], "ganhadoras": [], "total_ganhadoras": 0})";

RequestAnswer AnswerOf(const QHttpServerRequest& request) {
  const QByteArray method =
      QByteArray(QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(static_cast<int>(request.method())))
          .toUpper();
  QByteArray target = request.url().path(QUrl::FullyEncoded).toUtf8();
  if (request.url().hasQuery()) target += '?' + request.url().query(QUrl::FullyEncoded).toUtf8();
  const QByteArray upgrade = request.value("upgrade");
  const QByteArray connection = request.value("connection");
  return AnswerFor(std::string_view(method.constData(), method.size()),
                   std::string_view(target.constData(), target.size()),
                   AsksForWebSocket(std::string_view(upgrade.constData(), upgrade.size()),
                                    std::string_view(connection.constData(), connection.size())));
}

QString WhyNotListening(const QTcpServer& server) {
  switch (server.serverError()) {
    case QAbstractSocket::AddressInUseError:
      return QStringLiteral("a porta já está em uso por outro programa");
    case QAbstractSocket::SocketAccessError:
      return QStringLiteral("sem permissão para usar esta porta");
    case QAbstractSocket::SocketAddressNotAvailableError:
      return QStringLiteral("o endereço não é de nenhuma rede desta máquina");
    default:
      return QStringLiteral("erro de rede (%1)").arg(server.errorString());
  }
}

}  // namespace

// Every request Qt has parsed, the first one again (the gate only peeked
// at it) and the later ones of a kept-alive connection, which the gate never
// sees. Qt HttpServer 6.4 asks handleRequest before it upgrades a request to
// a WebSocket: true, with nothing written, lets the upgrade go on.
class LiveServer::PageServer final : public QAbstractHttpServer {
 public:
  explicit PageServer(const LiveServer& live) : live_(live) {}

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
    switch (AnswerOf(request).resource) {
      case Resource::kPage:
        socket->write(ContentAnswer("text/html; charset=utf-8", live_.page_));
        CloseWhenAsked(request, *socket);
        return true;
      case Resource::kState:
        socket->write(ContentAnswer("application/json; charset=utf-8", live_.state_));
        CloseWhenAsked(request, *socket);
        return true;
      case Resource::kLiveSocket:
        if (live_.clients() >= kMaxClients) return false;
        ConnectionGate::MarkLive(socket);
        return true;
      case Resource::kNone:
        return false;
    }
    return false;
  }

  // "Connection: close": the client reads to the
  // end of the connection, so it ends with the answer.
  static void CloseWhenAsked(const QHttpServerRequest& request, QTcpSocket& socket) {
    const QByteArray connection = request.value(QByteArrayLiteral("connection")).toLower();
    if (connection.contains("close")) socket.disconnectFromHost();
  }

  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
    const RequestAnswer answer = AnswerOf(request);
    socket->write(RefusalAnswer(answer.resource == Resource::kLiveSocket ? 503 : answer.status));
    socket->disconnectFromHost();
  }

 private:
  const LiveServer& live_;
};

LiveServer::LiveServer(QObject* parent) : QObject(parent), state_(kEmptyState.data(), kEmptyState.size()) {
  RegisterLivePage();
  QFile page(QStringLiteral(":/tavelao/web/pagina.html"));
  if (page.open(QIODevice::ReadOnly)) page_ = page.readAll();
  state_text_ = QString::fromUtf8(state_);
  ping_timer_.setInterval(kPingInterval);
  connect(&ping_timer_, &QTimer::timeout, this, &LiveServer::PingClients);
}

LiveServer::~LiveServer() { Close(); }

Status LiveServer::Listen(const ServeAddress& at) {
  Close();
  const auto failed = [&](const QString& why) {
    return Fail("Não foi possível publicar em " + ToText(at) + ": " + why.toStdString() + ".");
  };
  QHostAddress host;
  if (!host.setAddress(QString::fromStdString(at.host))) return failed(QStringLiteral("endereço inválido"));
  auto gate = std::make_unique<ConnectionGate>(kMaxClients, [this] { return clients(); });
  if (!gate->listen(host, at.port)) return failed(WhyNotListening(*gate));
  http_ = std::make_unique<PageServer>(*this);
  gate_ = gate.release();
  http_->bind(gate_);  // the HTTP server owns the gate from now on
  connect(http_.get(), &QAbstractHttpServer::newWebSocketConnection, this, &LiveServer::TakeNewClients);
  ping_timer_.start();
  return {};
}

void LiveServer::Close() {
  ping_timer_.stop();
  const bool had_clients = !clients_.empty();
  clients_.clear();
  // Every client, and every one already leaving, before the sockets under them.
  for (QWebSocket* socket : findChildren<QWebSocket*>(Qt::FindDirectChildrenOnly)) {
    socket->disconnect(this);
    socket->abort();
    delete socket;
  }
  gate_ = nullptr;
  http_.reset();
  if (had_clients) emit clientsChanged(0);
}

bool LiveServer::listening() const { return http_ != nullptr; }

std::uint16_t LiveServer::port() const { return gate_ ? gate_->serverPort() : 0; }

void LiveServer::Publish(std::string json) {
  state_ = QByteArray::fromStdString(json);
  state_text_ = QString::fromUtf8(state_);
  // A copy: a client dropped on the way leaves the list.
  const std::vector<Client> clients = clients_;
  for (const Client& client : clients) Send(client.socket);
}

int LiveServer::clients() const { return static_cast<int>(clients_.size()); }

void LiveServer::TakeNewClients() {
  while (http_->hasPendingWebSocketConnections()) {
    QWebSocket* socket = http_->nextPendingWebSocketConnection().release();
    socket->setParent(this);
    if (clients() < kMaxClients) {
      Admit(socket);
    } else {  // the bound holds even against a race of handshakes
      Drop(socket);
      connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
    }
  }
}

void LiveServer::Admit(QWebSocket* socket) {
  socket->setMaxAllowedIncomingFrameSize(kMaxIncomingBytes);
  socket->setMaxAllowedIncomingMessageSize(kMaxIncomingBytes);
  // Read-only: whatever a client says, it is not listened to again.
  connect(socket, &QWebSocket::textFrameReceived, this, [this, socket] { Drop(socket); });
  connect(socket, &QWebSocket::binaryFrameReceived, this, [this, socket] { Drop(socket); });
  connect(socket, &QWebSocket::pong, this, [this, socket] {
    const auto found =
        std::find_if(clients_.begin(), clients_.end(), [&](const Client& c) { return c.socket == socket; });
    if (found != clients_.end()) found->since_pong.restart();
  });
  connect(socket, &QWebSocket::disconnected, this, [this, socket] { Forget(socket); });
  Client client{socket, {}};
  client.since_pong.start();
  clients_.push_back(client);
  Send(socket);
  emit clientsChanged(clients());
}

void LiveServer::Send(QWebSocket* socket) {
  if (socket->bytesToWrite() > kMaxUnsentBytes) return Drop(socket);
  socket->sendTextMessage(state_text_);
}

void LiveServer::Drop(QWebSocket* socket) {
  // Queued: the socket may be inside its own signal now.
  QMetaObject::invokeMethod(socket, &QWebSocket::abort, Qt::QueuedConnection);
}

void LiveServer::Forget(QWebSocket* socket) {
  const auto found =
      std::find_if(clients_.begin(), clients_.end(), [&](const Client& c) { return c.socket == socket; });
  if (found == clients_.end()) return;
  clients_.erase(found);
  socket->disconnect(this);
  socket->deleteLater();
  emit clientsChanged(clients());
}

void LiveServer::PingClients() {
  const std::vector<Client> clients = clients_;
  for (const Client& client : clients) {
    if (client.since_pong.elapsed() > kPongTimeoutMs) {
      Drop(client.socket);
    } else {
      client.socket->ping();
    }
  }
}

}  // namespace tavelao::web
