#pragma once
// The two validation screens of the main window's menu "Validação de
// cartelas", over one store of the workspace's "Validadas.cds".

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::validation {

class PanelValidacao;
class TFormInc;

struct ValidationScreens {
  PanelValidacao* direct = nullptr;  // "Validação direta"
  TFormInc* batch = nullptr;         // "Validação por lote"
};

// Enables "MenuDireta" and "MenuLote". A store that cannot be read is
// reported once and leaves both entries disabled.
ValidationScreens InstallValidationScreens(app::TMainForm& form);

}  // namespace tavelao::validation
