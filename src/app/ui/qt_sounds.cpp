#include "app/ui/qt_sounds.h"

#include <QSoundEffect>
#include <QUrl>
#include <system_error>

#include "app/ui/qt_text.h"

namespace tavelao::app {

QtSounds::QtSounds(std::filesystem::path folder) : folder_(std::move(folder)) {}

QtSounds::~QtSounds() = default;

void QtSounds::Play(const std::string& file_name) {
  const auto path = folder_ / file_name;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return;
  auto& effect = effects_[file_name];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(ToQString(path)));
  }
  effect->play();
}

}  // namespace tavelao::app
