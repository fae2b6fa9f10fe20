#include "app/ui/qt_locale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavelao::app {

void InstallPortugueseTranslations(QApplication& application) {
  const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
  QLocale::setDefault(brazil);
  auto* translator = new QTranslator(&application);
  if (translator->load(brazil, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace tavelao::app
