// tavelao-cli sorteia --servir: the replayed draw's final state served
// until the command is stopped, as the draw screen serves it.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "support/child_process.h"
#include "support/cli_runner.h"
#include "support/free_port.h"
#include "support/temp_folder.h"

namespace tavelao::testing {
namespace {

// The whole answer to one request on 127.0.0.1, head included.
std::string Ask(int port, const std::string& request) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string answer;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) answer.append(buffer, n);
  }
  close(fd);
  return answer;
}

TEST(CliServir, TheReplayedDrawIsServedUntilTheCommandIsStopped) {
  TempFolder dir;
  ASSERT_EQ(RunCli(dir.path(), "valida 19").status, 0);  // card 1, so that the draw has a card
  const int port = FreeLocalPort();
  ChildProcess cli(
      CliPath(),
      {"sorteia", "--cartelas", "25", "--bolas", "7,42,100", "--servir", "127.0.0.1:" + std::to_string(port)},
      dir.path());
  std::string line;
  for (int i = 0; i < 10 && line.rfind("Página ao vivo em ", 0) != 0; ++i) line = cli.ReadLine(20);
  ASSERT_EQ(line, "Página ao vivo em http://127.0.0.1:" + std::to_string(port) + "/ (Ctrl+C para parar).");

  const std::string state = Ask(port, "GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
  EXPECT_NE(state.find("200"), std::string::npos) << state;
  EXPECT_NE(state.find("\"bolas\": [7, 42, 100], \"ultima\": 100"), std::string::npos) << state;
  EXPECT_NE(state.find("\"sorteio\": 1"), std::string::npos) << "the replay is draw 1 of the journal";
  const std::string post = Ask(port, "POST /estado HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(post.rfind("HTTP/1.1 405", 0), 0u) << post;

  ASSERT_EQ(kill(cli.pid(), SIGTERM), 0);
  EXPECT_EQ(cli.ReadLine(20), "Página ao vivo encerrada.");
  EXPECT_EQ(Ask(port, "GET /estado HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"), "") << "the port is freed";
}

TEST(CliServir, ABadAddressIsAUsageErrorBeforeAnyDraw) {
  TempFolder dir;
  const CliRun run = RunCli(dir.path(), "sorteia --cartelas 25 --bolas 7 --servir salao:80");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("Use ENDEREÇO:PORTA"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "Atas.cds")) << "nothing replayed";
}

}  // namespace
}  // namespace tavelao::testing
