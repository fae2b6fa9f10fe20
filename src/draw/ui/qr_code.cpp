#include "draw/ui/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace tavelao::draw {
namespace {

constexpr int kQuietZone = 4;

struct QrFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QImage QrCodeImage(const QString& text, int module_pixels) {
  const QByteArray utf8 = text.toUtf8();
  const std::unique_ptr<QRcode, QrFree> code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1));
  if (!code || module_pixels < 1) return {};
  const int modules = code->width + 2 * kQuietZone;
  QImage image(modules * module_pixels, modules * module_pixels, QImage::Format_Grayscale8);
  image.fill(Qt::white);
  for (int y = 0; y < code->width; ++y) {
    for (int x = 0; x < code->width; ++x) {
      // Bit 0 of each byte says whether the module is dark.
      if (!(code->data[y * code->width + x] & 1)) continue;
      for (int dy = 0; dy < module_pixels; ++dy) {
        uchar* line = image.scanLine((y + kQuietZone) * module_pixels + dy);
        for (int dx = 0; dx < module_pixels; ++dx) line[(x + kQuietZone) * module_pixels + dx] = 0;
      }
    }
  }
  return image;
}

}  // namespace tavelao::draw
