#pragma once
// The bytes of one HTTP answer of the live page's server, written straight
// to the socket by the gate (the first request) and by the server (later
// requests on a kept-alive connection) alike, with the same headers.

#include <QByteArray>
#include <QByteArrayView>

namespace tavelao::web {

// A 200 with its body; never cached, never sniffed, and the page may run
// only its own inline script and style and talk only to this server.
QByteArray ContentAnswer(QByteArrayView content_type, const QByteArray& body);

// A refusal (400, 404, 405, 431, 503) without a body, after which the
// connection is closed.
QByteArray RefusalAnswer(int status);

}  // namespace tavelao::web
