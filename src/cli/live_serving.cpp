#include "cli/live_serving.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <memory>
#include <ostream>

#include "web/server/live_address.h"
#include "web/server/live_server.h"

namespace tavelao::cli {
namespace {

std::atomic<bool> stop_requested{false};

extern "C" void RequestStop(int) { stop_requested = true; }

}  // namespace

int ServeUntilStopped(CliContext& context, const web::ServeAddress& at, std::string live_state) {
  std::unique_ptr<QCoreApplication> application;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "tavelao-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  web::LiveServer server;
  if (auto listening = server.Listen(at); !listening) {
    context.err << listening.error() << "\n";
    return kExitRefused;
  }
  server.Publish(std::move(live_state));
  context.out << "Página ao vivo em " << web::PageAddress(at, server.port()) << " (Ctrl+C para parar)." << std::endl;

  stop_requested = false;
  std::signal(SIGINT, RequestStop);
  std::signal(SIGTERM, RequestStop);
  // A signal handler may only set the flag; the loop looks at it.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [] {
    if (stop_requested) QCoreApplication::quit();
  });
  watch.start(100);
  QCoreApplication::exec();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  server.Close();
  context.out << "Página ao vivo encerrada." << std::endl;
  return kExitOk;
}

}  // namespace tavelao::cli
