#pragma once
// PanelLista "Listagem das cartelas": the first and last card, the listing
// style and "Emite", which opens the listing TFormRel in its preview.

#include <QFrame>

#include "listing/card_listing.h"

class QLineEdit;
class QRadioButton;

namespace tavelao::app {
class TMainForm;
}
namespace tavelao::report {
class PreviewWindow;
}

namespace tavelao::listing {

class PanelLista : public QFrame {
  Q_OBJECT

 public:
  explicit PanelLista(app::TMainForm& form);

  // "Listagem das cartelas" of the menu.
  void L1Click();
  // Text that is not a whole number in either field does nothing and the
  // panel stays; otherwise the panel closes and the preview opens.
  void ButtonListaEmiteClick();
  ListingStyle style() const;
  report::PreviewWindow& preview() { return *preview_; }

 private:
  app::TMainForm& form_;
  QLineEdit* first_ = nullptr;
  QLineEdit* last_ = nullptr;
  QRadioButton* three_rows_ = nullptr;
  QRadioButton* four_rows_ = nullptr;
  QRadioButton* five_rows_ = nullptr;
  QRadioButton* diagonal_ = nullptr;
  report::PreviewWindow* preview_ = nullptr;
};

void InstallListingPanel(app::TMainForm& form);

}  // namespace tavelao::listing
