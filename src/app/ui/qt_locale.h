#pragma once
// Brazilian Portuguese for Qt's own texts (colour dialog, text menus) when
// the system has Qt's translations; without them Qt keeps English.

class QApplication;

namespace tavelao::app {

void InstallPortugueseTranslations(QApplication& application);

}  // namespace tavelao::app
