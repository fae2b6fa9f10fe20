// The live page's server on 127.0.0.1 with real clients: Qt WebSocket
// clients, hand-written HTTP on raw sockets (so nothing tidies the path on
// the way) and a socket that stops reading.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>
#include <memory>
#include <string>
#include <vector>

#include "web/server/live_server.h"

namespace tavelao::web {
namespace {

const ServeAddress kAnyLoopbackPort{"127.0.0.1", 0};

// A WebSocket client of /ao-vivo that keeps every message it gets.
class LiveClient {
 public:
  explicit LiveClient(std::uint16_t port) {
    socket_.setProxy(QNetworkProxy::NoProxy);
    QObject::connect(&socket_, &QWebSocket::textMessageReceived,
                     [this](const QString& message) { messages_.push_back(message.toStdString()); });
    socket_.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ao-vivo").arg(port)));
  }
  bool WaitConnected() {
    return QTest::qWaitFor([this] { return socket_.state() == QAbstractSocket::ConnectedState; }, 3000);
  }
  bool WaitMessages(std::size_t count) {
    return QTest::qWaitFor([&] { return messages_.size() >= count; }, 5000);
  }
  bool WaitDisconnected() {
    return QTest::qWaitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, 3000);
  }
  QWebSocket& socket() { return socket_; }
  const std::vector<std::string>& messages() const { return messages_; }

 private:
  QWebSocket socket_;
  std::vector<std::string> messages_;
};

// One hand-written HTTP connection.
class RawConnection {
 public:
  explicit RawConnection(std::uint16_t port) {
    socket_.setProxy(QNetworkProxy::NoProxy);
    socket_.connectToHost(QHostAddress::LocalHost, port);
    socket_.waitForConnected(3000);
  }
  void Send(const QByteArray& bytes) { socket_.write(bytes); }
  // The next answer, with its body when the head gives its length; the
  // connection stays open unless the server closes it.
  std::string NextAnswer() {
    (void)QTest::qWaitFor(
        [this] {
          received_ += socket_.readAll();
          const qsizetype head_end = received_.indexOf("\r\n\r\n");
          if (head_end < 0) return socket_.state() == QAbstractSocket::UnconnectedState;
          const qsizetype length_at = received_.toLower().indexOf("content-length:");
          const qsizetype length =
              length_at < 0 || length_at > head_end
                  ? 0
                  : received_.mid(length_at + 15, received_.indexOf("\r\n", length_at) - length_at - 15)
                        .trimmed()
                        .toLongLong();
          return received_.size() >= head_end + 4 + length;
        },
        3000);
    const qsizetype head_end = received_.indexOf("\r\n\r\n");
    const qsizetype length_at = received_.toLower().indexOf("content-length:");
    qsizetype size = received_.size();
    if (head_end >= 0 && length_at >= 0 && length_at < head_end) {
      size =
          head_end + 4 +
          received_.mid(length_at + 15, received_.indexOf("\r\n", length_at) - length_at - 15).trimmed().toLongLong();
    }
    const std::string answer = received_.left(size).toStdString();
    received_.remove(0, size);
    return answer;
  }
  bool ClosedByServer() {
    return QTest::qWaitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; }, 3000);
  }

 private:
  QTcpSocket socket_;
  QByteArray received_;
};

std::string Ask(std::uint16_t port, const std::string& method, const std::string& target) {
  RawConnection connection(port);
  connection.Send(QByteArray::fromStdString(method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"));
  return connection.NextAnswer();
}

std::string StatusLine(const std::string& answer) { return answer.substr(0, answer.find("\r\n")); }
std::string Body(const std::string& answer) { return answer.substr(answer.find("\r\n\r\n") + 4); }

QByteArray UpgradeRequest(const char* target) {
  return QByteArray("GET ") + target +
         " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
         "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
}

std::string NumberedState(int n, std::size_t padding = 0) {
  return R"({"sorteio": 1, "n": )" + std::to_string(n) + R"(, "titulo": ")" + std::string(padding, 'x') + R"("})";
}

class LiveServerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server_.Listen(kAnyLoopbackPort).ok()); }
  std::uint16_t port() const { return server_.port(); }
  bool WaitClients(int count) {
    // Generous: 500 handshakes at once on a loaded 2-core machine; it returns
    // as soon as they are in.
    return QTest::qWaitFor([&] { return server_.clients() == count; }, 20000);
  }
  LiveServer server_;
};

TEST_F(LiveServerTest, EveryClientGetsEveryStateInOrderAndALateOneTheCurrentFirst) {
  QSignalSpy counted(&server_, &LiveServer::clientsChanged);
  LiveClient early(port());
  ASSERT_TRUE(early.WaitMessages(1));
  const QJsonObject empty = QJsonDocument::fromJson(QByteArray::fromStdString(early.messages()[0])).object();
  EXPECT_EQ(empty.value("sorteio").toInt(-1), 0) << early.messages()[0];
  EXPECT_TRUE(empty.value("ultima").isNull());

  for (int n = 1; n <= 30; ++n) server_.Publish(NumberedState(n));
  ASSERT_TRUE(early.WaitMessages(31));
  for (int n = 1; n <= 30; ++n) EXPECT_EQ(early.messages()[n], NumberedState(n)) << n;

  LiveClient late(port());
  ASSERT_TRUE(late.WaitMessages(1));
  EXPECT_EQ(late.messages()[0], NumberedState(30));
  server_.Publish(NumberedState(31));
  ASSERT_TRUE(late.WaitMessages(2));
  EXPECT_EQ(late.messages()[1], NumberedState(31));
  ASSERT_TRUE(early.WaitMessages(32));
  EXPECT_EQ(early.messages().size(), 32u) << "nothing twice";

  EXPECT_EQ(server_.clients(), 2);
  late.socket().close();
  ASSERT_TRUE(WaitClients(1));
  ASSERT_GE(counted.size(), 3);
  EXPECT_EQ(counted.first().at(0).toInt(), 1);
  EXPECT_EQ(counted.last().at(0).toInt(), 1);
}

TEST_F(LiveServerTest, ThePageAndTheStateAreServedNeverCachedAndLockedDown) {
  const std::string before = Ask(port(), "GET", "/estado");
  EXPECT_EQ(StatusLine(before), "HTTP/1.1 200 OK");
  const QJsonDocument empty = QJsonDocument::fromJson(QByteArray::fromStdString(Body(before)));
  ASSERT_TRUE(empty.isObject()) << before;
  EXPECT_EQ(empty["letras"].toString(), "BINGO");
  EXPECT_EQ(empty["em_jogo"].toInt(), 100);
  EXPECT_TRUE(empty["bolas"].toArray().isEmpty());

  const std::string state = R"({"sorteio": 3, "titulo": "BINGO DA PARÓQUIA", "bolas": [7, 42, 100]})";
  server_.Publish(state);
  const std::string after = Ask(port(), "GET", "/estado?agora=1");
  EXPECT_EQ(Body(after), state);
  EXPECT_NE(after.find("\r\nContent-Type: application/json; charset=utf-8\r\n"), std::string::npos) << after;

  const std::string page = Ask(port(), "GET", "/");
  EXPECT_EQ(StatusLine(page), "HTTP/1.1 200 OK");
  EXPECT_NE(page.find("\r\nContent-Type: text/html; charset=utf-8\r\n"), std::string::npos) << page.substr(0, 600);
  EXPECT_NE(Body(page).find("<html"), std::string::npos);
  for (const std::string& answer : {after, page}) {
    EXPECT_NE(answer.find("\r\nCache-Control: no-store\r\n"), std::string::npos);
    EXPECT_NE(answer.find("\r\nX-Content-Type-Options: nosniff\r\n"), std::string::npos);
    EXPECT_NE(answer.find("\r\nContent-Security-Policy: default-src 'none'; script-src 'unsafe-inline'; "
                          "style-src 'unsafe-inline'; connect-src 'self' ws:; img-src data:"),
              std::string::npos);
  }
}

TEST_F(LiveServerTest, OtherMethodsAndPathsAreRefusedOnFreshAndKeptAliveConnections) {
  const auto refused = [&](const std::string& method, const std::string& target, const std::string& status) {
    SCOPED_TRACE(method + " " + target);
    EXPECT_EQ(StatusLine(Ask(port(), method, target)), "HTTP/1.1 " + status) << "fresh";
    RawConnection kept(port());
    kept.Send("GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    ASSERT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 200 OK");
    kept.Send(
        QByteArray::fromStdString(method + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\n\r\n"));
    EXPECT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 " + status) << "kept alive";
    EXPECT_TRUE(kept.ClosedByServer());
  };
  for (const char* method : {"POST", "PUT", "DELETE"}) {
    for (const char* target : {"/", "/estado", "/ao-vivo"}) refused(method, target, "405 Method Not Allowed");
  }
  for (const char* target :
       {"/../", "/%2e%2e/", "/estado/../x", "//etc/passwd", "/estado/..", "/pagina.html", "/etc/passwd", "/nada"}) {
    refused("GET", target, "404 Not Found");
  }
  refused("GET", "/ao-vivo", "400 Bad Request");

  RawConnection huge(port());
  huge.Send("GET / HTTP/1.1\r\nX-Pad: " + QByteArray(9000, 'a') + "\r\n\r\n");
  EXPECT_EQ(StatusLine(huge.NextAnswer()), "HTTP/1.1 431 Request Header Fields Too Large");
  EXPECT_TRUE(huge.ClosedByServer());
}

TEST_F(LiveServerTest, AnUpgradeOnAKeptAliveConnectionIsJudgedAsAFreshOne) {
  RawConnection kept(port());
  kept.Send("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
  ASSERT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 200 OK");
  kept.Send(UpgradeRequest("/estado"));
  EXPECT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 404 Not Found");
  EXPECT_TRUE(kept.ClosedByServer());

  RawConnection upgraded(port());
  upgraded.Send("GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
  ASSERT_EQ(StatusLine(upgraded.NextAnswer()), "HTTP/1.1 200 OK");
  upgraded.Send(UpgradeRequest("/ao-vivo"));
  EXPECT_EQ(StatusLine(upgraded.NextAnswer()), "HTTP/1.1 101 Switching Protocols");
  EXPECT_TRUE(WaitClients(1));
}

TEST_F(LiveServerTest, FiveHundredClientsAreServedAndTheNextIsRefusedWith503) {
  rlimit files{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &files), 0);
  files.rlim_cur = files.rlim_max;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &files), 0);
  ASSERT_GE(files.rlim_cur, 1200u) << "1,000 sockets and more in this process";

  std::vector<std::unique_ptr<LiveClient>> clients;
  for (int i = 0; i < LiveServer::kMaxClients; ++i) clients.push_back(std::make_unique<LiveClient>(port()));
  ASSERT_TRUE(WaitClients(LiveServer::kMaxClients)) << server_.clients();

  RawConnection refused(port());
  refused.Send(UpgradeRequest("/ao-vivo"));
  EXPECT_EQ(StatusLine(refused.NextAnswer()), "HTTP/1.1 503 Service Unavailable");
  EXPECT_TRUE(refused.ClosedByServer());
  RawConnection kept(port());
  kept.Send("GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
  ASSERT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 200 OK");
  kept.Send(UpgradeRequest("/ao-vivo"));
  EXPECT_EQ(StatusLine(kept.NextAnswer()), "HTTP/1.1 503 Service Unavailable") << "past the gate, same bound";
  EXPECT_TRUE(kept.ClosedByServer());
  EXPECT_EQ(server_.clients(), LiveServer::kMaxClients);

  server_.Publish(NumberedState(1));
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return std::all_of(clients.begin(), clients.end(), [](const auto& c) { return c->messages().size() == 2; });
      },
      5000));

  clients.back()->socket().close();
  ASSERT_TRUE(WaitClients(LiveServer::kMaxClients - 1));
  LiveClient next(port());
  ASSERT_TRUE(next.WaitMessages(1)) << "a place freed is a place taken";
  EXPECT_EQ(next.messages()[0], NumberedState(1));
}

// A raw socket that does the WebSocket handshake and then never reads
// again: outside Qt's event loop, with a small receive buffer.
class StalledClient {
 public:
  explicit StalledClient(std::uint16_t port) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    const int small = 4096;
    setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    const QByteArray request = UpgradeRequest("/ao-vivo");
    connected_ = connected_ && write(fd_, request.constData(), request.size()) == request.size();
  }
  ~StalledClient() { close(fd_); }
  bool connected() const { return connected_; }

 private:
  int fd_;
  bool connected_ = false;
};

TEST_F(LiveServerTest, AClientThatStopsReadingIsDroppedAndTheOthersMissNothing) {
  LiveClient reader(port());
  ASSERT_TRUE(reader.WaitMessages(1));
  StalledClient stalled(port());
  ASSERT_TRUE(stalled.connected());
  ASSERT_TRUE(WaitClients(2));

  int published = 0;
  while (server_.clients() == 2 && published < 200) {
    server_.Publish(NumberedState(++published, 200 * 1024));
    QTest::qWait(5);
  }
  EXPECT_TRUE(WaitClients(1)) << "still there after " << published << " states of 200 KB";
  ASSERT_TRUE(reader.WaitMessages(1 + published));
  for (int n = 1; n <= published; ++n) ASSERT_EQ(reader.messages()[n], NumberedState(n, 200 * 1024)) << n;
}

TEST_F(LiveServerTest, AClientThatSendsAnythingIsDisconnected) {
  LiveClient talker(port());
  LiveClient binary(port());
  LiveClient quiet(port());
  ASSERT_TRUE(talker.WaitMessages(1) && binary.WaitMessages(1) && quiet.WaitMessages(1));
  talker.socket().sendTextMessage(QStringLiteral("{\"bolas\": [1]}"));
  binary.socket().sendBinaryMessage(QByteArray(10, 'b'));
  EXPECT_TRUE(talker.WaitDisconnected());
  EXPECT_TRUE(binary.WaitDisconnected());
  ASSERT_TRUE(WaitClients(1));
  server_.Publish(NumberedState(1));
  ASSERT_TRUE(quiet.WaitMessages(2));
  EXPECT_EQ(quiet.messages()[1], NumberedState(1));
}

TEST_F(LiveServerTest, CloseDropsEveryClientAndFreesThePort) {
  LiveClient client(port());
  ASSERT_TRUE(client.WaitMessages(1));
  const std::uint16_t used = port();
  server_.Close();
  EXPECT_FALSE(server_.listening());
  EXPECT_EQ(server_.clients(), 0);
  EXPECT_TRUE(client.WaitDisconnected());

  const Status again = server_.Listen({"127.0.0.1", used});
  ASSERT_TRUE(again.ok()) << again.error();
  EXPECT_EQ(server_.port(), used);
  EXPECT_EQ(StatusLine(Ask(used, "GET", "/")), "HTTP/1.1 200 OK");
}

TEST(LiveServer, ListeningOnATakenPortFailsNamingTheAddress) {
  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::LocalHost));
  LiveServer server;
  const ServeAddress at{"127.0.0.1", taken.serverPort()};
  const Status listening = server.Listen(at);
  ASSERT_FALSE(listening.ok());
  EXPECT_EQ(listening.error(),
            "Não foi possível publicar em " + ToText(at) + ": a porta já está em uso por outro programa.");
  EXPECT_FALSE(server.listening());
}

}  // namespace
}  // namespace tavelao::web
