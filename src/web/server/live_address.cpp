#include "web/server/live_address.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace tavelao::web {
namespace {

std::string HallAddress() {
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    const auto flags = interface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
        flags.testFlag(QNetworkInterface::IsLoopBack)) {
      continue;
    }
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress ip = entry.ip();
      if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback()) return ip.toString().toStdString();
    }
  }
  return "127.0.0.1";
}

}  // namespace

std::string PageAddress(const ServeAddress& served, std::uint16_t port) {
  const std::string host = served.host == "0.0.0.0" ? HallAddress() : served.host;
  return "http://" + host + ":" + std::to_string(port) + "/";
}

}  // namespace tavelao::web
