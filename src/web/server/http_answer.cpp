#include "web/server/http_answer.h"

namespace tavelao::web {
namespace {

QByteArray ReasonPhrase(int status) {
  switch (status) {
    case 200:
      return "OK";
    case 400:
      return "Bad Request";
    case 404:
      return "Not Found";
    case 405:
      return "Method Not Allowed";
    case 431:
      return "Request Header Fields Too Large";
    case 503:
      return "Service Unavailable";
    default:
      return "Error";
  }
}

QByteArray Head(int status, qsizetype content_length) {
  QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) + "\r\n";
  head += "Content-Length: " + QByteArray::number(content_length) + "\r\n";
  head +=
      "Cache-Control: no-store\r\n"
      "X-Content-Type-Options: nosniff\r\n"
      "Referrer-Policy: no-referrer\r\n"
      "Content-Security-Policy: default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
      "connect-src 'self' ws:; img-src data:; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n";
  return head;
}

}  // namespace

QByteArray ContentAnswer(QByteArrayView content_type, const QByteArray& body) {
  return Head(200, body.size()) + "Content-Type: " + content_type.toByteArray() + "\r\n\r\n" + body;
}

QByteArray RefusalAnswer(int status) {
  QByteArray answer = Head(status, 0);
  if (status == 405) answer += "Allow: GET\r\n";
  if (status == 503) answer += "Retry-After: 10\r\n";
  return answer + "Connection: close\r\n\r\n";
}

}  // namespace tavelao::web
