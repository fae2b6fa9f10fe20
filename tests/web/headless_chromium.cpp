#include "web/headless_chromium.h"

#include <signal.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QUrl>

namespace tavelao::testing {
namespace {

constexpr int kStartMs = 10000;
constexpr int kReplyMs = 5000;

// Root runs the tests under CI, where Chromium's sandbox cannot start; the
// rest keeps the browser quiet: no first-run pages, no calls home.
QStringList CommonArguments(const TempFolder& profile) {
  return {"--headless",
          "--no-sandbox",
          "--disable-gpu",
          "--disable-dev-shm-usage",
          "--no-first-run",
          "--no-default-browser-check",
          "--disable-extensions",
          "--disable-background-networking",
          "--disable-component-update",
          "--disable-sync",
          "--hide-scrollbars",
          "--user-data-dir=" + QString::fromStdString(profile.path().string())};
}

// Its own process group, so that killing the group ends the renderers too.
void StartAlone(QProcess& process, const QStringList& arguments) {
  process.setChildProcessModifier([] { setpgid(0, 0); });
  process.start("chromium", arguments);
}

void KillGroup(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
  process.waitForFinished(3000);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  const QDeadlineTimer deadline(timeout_ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    // A short nap in a real event loop: sockets and processes move, the CPU rests.
    QEventLoop nap;
    QTimer::singleShot(10, &nap, &QEventLoop::quit);
    nap.exec();
  }
  return true;
}

HeadlessChromium::~HeadlessChromium() {
  devtools_.abort();
  KillGroup(process_);
}

Status HeadlessChromium::Start() {
  QStringList arguments = CommonArguments(profile_);
  arguments << "--remote-debugging-port=0"
            << "about:blank";
  StartAlone(process_, arguments);
  if (!process_.waitForStarted(kStartMs)) return Fail("chromium não iniciou: " + process_.errorString().toStdString());

  // "DevTools listening on ws://127.0.0.1:PORT/devtools/browser/ID"
  QByteArray err;
  QString address;
  const bool listening = WaitUntil(
      [&] {
        err += process_.readAllStandardError();
        const qsizetype at = err.indexOf("DevTools listening on ");
        const qsizetype end = at < 0 ? -1 : err.indexOf('\n', at);
        if (end < 0) return process_.state() == QProcess::NotRunning;
        address = QString::fromUtf8(err.mid(at + 22, end - at - 22)).trimmed();
        return true;
      },
      kStartMs);
  if (!listening || address.isEmpty()) return Fail("chromium não abriu o DevTools: " + err.toStdString());

  QObject::connect(&devtools_, &QWebSocket::textMessageReceived, [this](const QString& m) { Receive(m); });
  devtools_.open(QUrl(address));
  if (!WaitUntil([&] { return devtools_.state() == QAbstractSocket::ConnectedState; }, kStartMs)) {
    return Fail("sem conexão ao DevTools em " + address.toStdString());
  }

  Result<QJsonObject> targets = Call("Target.getTargets", {}, false);
  if (!targets) return std::move(targets).take_error();
  QString page;
  for (const QJsonValue& t : targets->value("targetInfos").toArray()) {
    if (t["type"].toString() == "page") page = t["targetId"].toString();
  }
  if (page.isEmpty()) return Fail("chromium sem página aberta");
  Result<QJsonObject> attached = Call("Target.attachToTarget", {{"targetId", page}, {"flatten", true}}, false);
  if (!attached) return std::move(attached).take_error();
  session_ = attached->value("sessionId").toString();
  if (Result<QJsonObject> network = Call("Network.enable", {}); !network) return std::move(network).take_error();
  return {};
}

Status HeadlessChromium::Navigate(const QString& url) {
  Result<QJsonObject> navigated = Call("Page.navigate", {{"url", url}});
  if (!navigated) return std::move(navigated).take_error();
  if (navigated->contains("errorText")) return Fail(navigated->value("errorText").toString().toStdString());
  return {};
}

Status HeadlessChromium::Resize(int width, int height, bool phone) {
  Result<QJsonObject> resized =
      Call("Emulation.setDeviceMetricsOverride",
           {{"width", width}, {"height", height}, {"deviceScaleFactor", 1}, {"mobile", phone}});
  if (!resized) return std::move(resized).take_error();
  return {};
}

Result<QJsonValue> HeadlessChromium::Evaluate(const QString& expression) {
  Result<QJsonObject> reply = Call("Runtime.evaluate", {{"expression", expression}, {"returnByValue", true}});
  if (!reply) return std::move(reply).take_error();
  if (reply->contains("exceptionDetails")) {
    return Fail(QJsonDocument(reply->value("exceptionDetails").toObject()).toJson().toStdString());
  }
  return reply->value("result").toObject().value("value");
}

Result<QJsonObject> HeadlessChromium::Call(const QString& method, const QJsonObject& params, bool in_page) {
  const int id = next_id_++;
  QJsonObject call{{"id", id}, {"method", method}, {"params", params}};
  if (in_page) call["sessionId"] = session_;
  devtools_.sendTextMessage(QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact)));
  if (!WaitUntil([&] { return replies_.count(id) > 0; }, kReplyMs)) {
    return Fail(method.toStdString() + " sem resposta do chromium");
  }
  const QJsonObject reply = replies_[id];
  replies_.erase(id);
  if (reply.contains("error")) {
    return Fail(method.toStdString() + ": " + reply["error"]["message"].toString().toStdString());
  }
  return reply["result"].toObject();
}

void HeadlessChromium::Receive(const QString& message) {
  const QJsonObject m = QJsonDocument::fromJson(message.toUtf8()).object();
  if (m.contains("id")) {
    replies_[m["id"].toInt()] = m;
    return;
  }
  const QString event = m["method"].toString();
  if (event == "Network.requestWillBeSent") requested_ << m["params"]["request"]["url"].toString();
  if (event == "Network.webSocketCreated") requested_ << m["params"]["url"].toString();
}

Status Screenshot(const QString& url, int width, int height, const std::string& png) {
  TempFolder profile;
  QStringList arguments = CommonArguments(profile);
  // Animations are left out of pictures; the budget lets the live state arrive.
  arguments << "--force-prefers-reduced-motion"
            << "--virtual-time-budget=3000"
            << "--screenshot=" + QString::fromStdString(png) << QString("--window-size=%1,%2").arg(width).arg(height)
            << url;
  QProcess process;
  StartAlone(process, arguments);
  if (!WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 30000)) {
    KillGroup(process);
    return Fail("chromium não terminou a foto de " + png);
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return Fail("chromium falhou na foto de " + png + ": " + process.readAllStandardError().toStdString());
  }
  return {};
}

}  // namespace tavelao::testing
