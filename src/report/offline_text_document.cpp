#include "report/offline_text_document.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QUrl>

namespace tavelao::report {
namespace {

// A picture on a card is a few hundred pixels wide; this keeps a small
// embedded file that claims a huge size from taking the memory.
constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;

// Not null, so that the image handler does not go and load the name as a
// file itself.
QImage NoPicture() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// "data:[type][;base64],payload"
QImage EmbeddedPicture(const QUrl& url) {
  const QByteArray whole = url.toString(QUrl::FullyEncoded).toLatin1();
  const qsizetype comma = whole.indexOf(',');
  if (comma < 0) return NoPicture();
  const QByteArray header = whole.mid(5, comma - 5).toLower();  // after "data:"
  QByteArray payload = QByteArray::fromPercentEncoding(whole.mid(comma + 1));
  if (header.endsWith(";base64")) payload = QByteArray::fromBase64(payload);
  QBuffer buffer(&payload);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels) return NoPicture();
  QImage image = reader.read();
  return image.isNull() ? NoPicture() : image;
}

}  // namespace

QVariant OfflineTextDocument::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource) {
    return name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0 ? EmbeddedPicture(name) : NoPicture();
  }
  return QString();  // a style sheet, or anything else, is empty
}

}  // namespace tavelao::report
