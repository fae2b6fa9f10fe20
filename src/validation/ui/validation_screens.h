#pragma once
// The two validation screens of the main window's menu "Validação de
// cartelas", over one store of the workspace's "Validadas.cds".

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::validation {

class PanelValidacao;
class TFormInc;
class TFormRestaura;

struct ValidationScreens {
  PanelValidacao* direct = nullptr;  // "Validação direta"
  TFormInc* batch = nullptr;         // "Validação por lote"
  TFormRestaura* restore = nullptr;  // "Restaurar cópia de segurança"
};

// Enables "MenuDireta", "MenuLote" and "MenuRestaura". A store that cannot be read is
// reported once and leaves both entries disabled.
ValidationScreens InstallValidationScreens(app::TMainForm& form);

}  // namespace tavelao::validation
