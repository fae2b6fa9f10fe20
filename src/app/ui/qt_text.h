#pragma once
// Crossing between the core's UTF-8 texts and plain colours and Qt's types.

#include <QColor>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "session/card_options.h"

namespace tavelao::app {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// Texts convert to both of the overloads below; they mean the first.
inline QString ToQString(const std::string& utf8) { return ToQString(std::string_view(utf8)); }
inline QString ToQString(const char* utf8) { return ToQString(std::string_view(utf8)); }

// File names cross as UTF-16, so folders with accents work on every platform.
inline QString ToQString(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }
inline std::filesystem::path ToPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

inline QColor ToQColor(session::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
inline session::Rgb ToRgb(const QColor& colour) {
  return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
          static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace tavelao::app
