#pragma once
// A QR code of a text (the live page's address), for a phone's camera.

#include <QImage>
#include <QString>

namespace tavelao::draw {

// Black modules on white, `module_pixels` each, with the four-module quiet
// zone readers need; a null image when the text cannot be encoded.
QImage QrCodeImage(const QString& text, int module_pixels);

}  // namespace tavelao::draw
