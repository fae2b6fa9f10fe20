#include "web/server/connection_gate.h"

#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>
#include <string_view>
#include <utility>

#include "web/request_rules.h"
#include "web/server/http_answer.h"

namespace tavelao::web {
namespace {

using namespace std::chrono_literals;

constexpr char kLiveProperty[] = "tavelao_web_live";
constexpr qsizetype kMaxHeadBytes = 8 * 1024;
// What Qt may buffer of one connection: a later request on a kept-alive
// connection, which Qt HttpServer parses itself, stalls there instead of
// growing (and the lifetime below ends it).
constexpr qint64 kMaxBufferedBytes = 64 * 1024;
constexpr auto kHeadTimeout = 10s;
// A connection for the page or the state is closed after this, whatever it
// does: a phone needs one or two requests, then lives on the WebSocket.
constexpr auto kPlainLifetime = 30s;
// Connections that are not clients: waiting at the gate or handed on.
constexpr int kMaxOpenRequests = 1000;

struct FirstRequest {
  std::string_view method;
  std::string_view target;
  bool websocket_upgrade = false;
};

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsHeader(std::string_view name, std::string_view wanted) {
  return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// The request line and the two headers that make an upgrade.
std::optional<FirstRequest> ParseHead(std::string_view head) {
  const auto line_end = head.find('\n');
  const std::string_view line = WithoutCr(head.substr(0, line_end));
  const auto first_space = line.find(' ');
  const auto last_space = line.rfind(' ');
  if (first_space == std::string_view::npos || first_space == last_space) return std::nullopt;
  FirstRequest request{line.substr(0, first_space), line.substr(first_space + 1, last_space - first_space - 1)};
  std::string_view upgrade;
  std::string connection;
  std::string_view rest = line_end == std::string_view::npos ? std::string_view{} : head.substr(line_end + 1);
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    const std::string_view header = WithoutCr(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    const auto colon = header.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = Trimmed(header.substr(0, colon));
    if (IsHeader(name, "upgrade")) upgrade = header.substr(colon + 1);
    if (IsHeader(name, "connection")) connection.append(header.substr(colon + 1)).append(",");
  }
  request.websocket_upgrade = AsksForWebSocket(upgrade, connection);
  return request;
}

// Where the head ends (before its blank line), or -1 while incomplete.
qsizetype HeadEnd(const QByteArray& seen) {
  const qsizetype crlf = seen.indexOf("\r\n\r\n");
  const qsizetype lf = seen.indexOf("\n\n");
  if (crlf < 0) return lf;
  return lf < 0 ? crlf : std::min(crlf, lf);
}

bool IsLive(const QTcpSocket* socket) { return socket->property(kLiveProperty).toBool(); }

}  // namespace

ConnectionGate::ConnectionGate(int max_clients, std::function<int()> live_clients, QObject* parent)
    : QTcpServer(parent), max_clients_(max_clients), live_clients_(std::move(live_clients)) {}

void ConnectionGate::MarkLive(QTcpSocket* socket) { socket->setProperty(kLiveProperty, true); }

void ConnectionGate::incomingConnection(qintptr handle) {
  auto* socket = new QTcpSocket(this);
  if (!socket->setSocketDescriptor(handle)) {
    delete socket;
    return;
  }
  socket->setReadBufferSize(kMaxBufferedBytes);
  connect(socket, &QAbstractSocket::disconnected, this, [this, socket] {
    waiting_.remove(socket);
    socket->deleteLater();
  });
  connect(socket, &QIODevice::readyRead, this, [this, socket] { Inspect(socket); });
  QTimer::singleShot(kHeadTimeout, socket, [this, socket] {
    if (waiting_.remove(socket)) socket->abort();
  });
  const bool crowded = OpenRequests() >= kMaxOpenRequests;
  waiting_.insert(socket);
  if (crowded) Refuse(socket, 503);
}

void ConnectionGate::Inspect(QTcpSocket* socket) {
  if (!waiting_.contains(socket)) return;
  const QByteArray seen = socket->peek(kMaxHeadBytes);
  const qsizetype end = HeadEnd(seen);
  if (end < 0) {
    if (seen.size() >= kMaxHeadBytes) Refuse(socket, 431);
    return;
  }
  const std::optional<FirstRequest> request = ParseHead(std::string_view(seen.constData(), end));
  if (!request) return Refuse(socket, 400);
  const RequestAnswer answer = AnswerFor(request->method, request->target, request->websocket_upgrade);
  if (answer.resource == Resource::kNone) return Refuse(socket, answer.status);
  if (answer.resource == Resource::kLiveSocket && live_clients_() >= max_clients_) return Refuse(socket, 503);
  PassOn(socket);
}

void ConnectionGate::Refuse(QTcpSocket* socket, int status) {
  waiting_.remove(socket);
  socket->readAll();  // so that closing does not reset the connection before the answer
  socket->write(RefusalAnswer(status));
  socket->disconnectFromHost();
  // A peer that never reads the answer does not keep the socket.
  QTimer::singleShot(kHeadTimeout, socket, &QAbstractSocket::abort);
}

void ConnectionGate::PassOn(QTcpSocket* socket) {
  waiting_.remove(socket);
  socket->disconnect(this);
  passed_.emplace_back(socket);
  QTimer::singleShot(kPlainLifetime, socket, [socket] {
    if (IsLive(socket)) return;
    socket->abort();
    socket->deleteLater();
  });
  // Qt HttpServer takes it now, and reads the head the gate only peeked at.
  addPendingConnection(socket);
  QMetaObject::invokeMethod(
      socket, [socket] { Q_EMIT socket->readyRead(); }, Qt::QueuedConnection);
}

int ConnectionGate::OpenRequests() {
  std::erase_if(passed_, [](const QPointer<QTcpSocket>& socket) {
    return !socket || socket->state() == QAbstractSocket::UnconnectedState || IsLive(socket);
  });
  return static_cast<int>(waiting_.size() + passed_.size());
}

}  // namespace tavelao::web
