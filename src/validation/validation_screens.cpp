#include "validation/validation_screens.h"

#include <QObject>

#include <memory>

#include "app/main_form.h"
#include "validation/batch_window.h"
#include "validation/direct_panel.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {
namespace {

// Keeps the store alive as long as the window that shows it.
class StoreHolder : public QObject {
 public:
  StoreHolder(std::unique_ptr<ValidationStore> store, QObject* parent) : QObject(parent), store_(std::move(store)) {}
  ValidationStore& store() { return *store_; }

 private:
  std::unique_ptr<ValidationStore> store_;
};

}  // namespace

ValidationScreens InstallValidationScreens(app::TMainForm& form) {
  session::Workspace& ws = form.workspace();
  auto store = ValidationStore::Attach(ws.validation, ws.bank);
  if (!store) {
    form.services().dialogs.Inform(kStoreErrorTitle, store.error());
    return {};
  }
  auto* holder = new StoreHolder(std::move(*store), &form);
  const EntryKeys keys{ws.bank, ws.password, ws.issuer};
  ValidationScreens screens;
  screens.direct = new PanelValidacao(form, holder->store(), keys);
  form.AddPanel(screens.direct);
  screens.batch = new TFormInc(form, holder->store(), keys);
  form.EnableMenuEntry(QStringLiteral("MenuDireta"), [panel = screens.direct] { panel->Open(); });
  form.EnableMenuEntry(QStringLiteral("MenuLote"), [window = screens.batch] { window->Open(); });
  return screens;
}

}  // namespace tavelao::validation
