#pragma once
// A headless Chromium for the live page's tests and pictures: one browser
// on a throwaway profile, driven over its DevTools protocol (the page it
// opens with, evaluated as the hall's phones run it), killed with all its
// processes when the object goes, also when a test fails half-way.

#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWebSocket>
#include <functional>
#include <map>
#include <string>

#include "common/result.h"
#include "support/temp_folder.h"

namespace tavelao::testing {

// Runs the event loop until `done` holds or `timeout_ms` passes; whether it held.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms);

class HeadlessChromium {
 public:
  HeadlessChromium() = default;
  ~HeadlessChromium();
  HeadlessChromium(const HeadlessChromium&) = delete;
  HeadlessChromium& operator=(const HeadlessChromium&) = delete;

  // Starts the browser on about:blank and attaches to that page.
  Status Start();
  Status Navigate(const QString& url);
  // The page as a screen of width × height CSS pixels shows it (a phone's touch screen when `phone`).
  Status Resize(int width, int height, bool phone);
  // The value of a JavaScript expression in the page.
  Result<QJsonValue> Evaluate(const QString& expression);
  // Every address the page asked for since Start (requests and WebSockets).
  const QStringList& requested() const { return requested_; }

 private:
  Result<QJsonObject> Call(const QString& method, const QJsonObject& params, bool in_page = true);
  void Receive(const QString& message);

  TempFolder profile_;
  QProcess process_;
  QWebSocket devtools_;
  QString session_;
  int next_id_ = 1;
  std::map<int, QJsonObject> replies_;
  QStringList requested_;
};

// One picture of `url` at width × height by Chromium's own --screenshot,
// the event loop running meanwhile (the page's server lives on it).
Status Screenshot(const QString& url, int width, int height, const std::string& png);

}  // namespace tavelao::testing
