#include "validation/ui/validation_screens.h"

#include <QObject>

#include <memory>

#include "app/ui/main_form.h"
#include "session/backups.h"
#include "validation/ui/batch_window.h"
#include "validation/ui/direct_panel.h"
#include "validation/ui/restore_window.h"
#include "validation/validation_messages.h"
#include "validation/validation_store.h"

namespace tavelao::validation {
namespace {

// Keeps the store and its safety copies alive as long as the windows that
// show it.
class StoreHolder : public QObject {
 public:
  StoreHolder(std::unique_ptr<ValidationStore> store, store::Table& table, QObject* parent)
      : QObject(parent), store_(std::move(store)), backups_(table, clock_) {
    // A copy that fails is tried again after the next card; the card
    // itself is already on disk.
    store_->AfterEachCommit([this] { (void)backups_.AfterValidation(); });
  }
  ValidationStore& store() { return *store_; }
  session::BackupSchedule& backups() { return backups_; }

 private:
  std::unique_ptr<ValidationStore> store_;
  SystemClock clock_;
  session::BackupSchedule backups_;
};

}  // namespace

ValidationScreens InstallValidationScreens(app::TMainForm& form) {
  session::Workspace& ws = form.workspace();
  auto store = ValidationStore::Attach(ws.validation, ws.bank);
  if (!store) {
    form.services().dialogs.Inform(kStoreErrorTitle, store.error());
    return {};
  }
  auto* holder = new StoreHolder(std::move(*store), ws.validation, &form);
  const EntryKeys keys{ws.bank, ws.password, ws.issuer};
  ValidationScreens screens;
  screens.direct = new PanelValidacao(form, holder->store(), keys);
  form.AddPanel(screens.direct);
  screens.batch = new TFormInc(form, holder->store(), keys, [holder] { (void)holder->backups().AfterBatch(); });
  form.EnableMenuEntry(QStringLiteral("MenuDireta"), [panel = screens.direct] { panel->Open(); });
  form.EnableMenuEntry(QStringLiteral("MenuLote"), [window = screens.batch] { window->Open(); });
  // A restored store holds other cards: the count is taken again.
  screens.restore = new TFormRestaura(form, [holder] { (void)holder->store().Recount(); });
  form.EnableMenuEntry(QStringLiteral("MenuRestaura"), [window = screens.restore] { window->Open(); });
  return screens;
}

}  // namespace tavelao::validation
