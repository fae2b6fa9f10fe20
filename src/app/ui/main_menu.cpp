#include "app/ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string_view>

#include "layouts/card_models.h"

namespace tavelao::app {
namespace {

struct Entry {
  const char* name;
  const char* caption;
};

const Entry kValidationEntries[] = {
    {"MenuDireta", "Validação direta"},
    {"MenuLote", "Validação por lote"},
    {"MenuRestaura", "Restaurar cópia de segurança"},
};

const Entry kOptionEntries[] = {
    {"MenuTexto", "Texto"},
    {"MenuCor", "Cor dos números"},
    {"MenuDescr", "Descrição dos prêmios"},
    {"MenuAJUDE", "Mudar título do quadro(padrão=BINGO)"},
    {"MenuSenha", "Senha de autenticação"},
    {"Gerararquivotextoparagrfica1", "Gerar arquivo texto para gráfica"},
};

QAction* AddEntry(QWidget& menu, const Entry& entry) {
  auto* action = new QAction(QString::fromUtf8(entry.caption), &menu);
  action->setObjectName(QString::fromUtf8(entry.name));
  action->setEnabled(false);
  menu.addAction(action);
  return action;
}

template <std::size_t N>
void AddEntries(QMenu& menu, const Entry (&entries)[N]) {
  for (const Entry& entry : entries) AddEntry(menu, entry);
}

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption) {
  QMenu* menu = bar.addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromUtf8(name));
  return menu;
}

// "Emissão de cartelas": the card models of the catalogue in its order, the
// card listing, then the submenus with their models.
void AddIssueEntries(QMenu& issue) {
  const auto models = layouts::CardModels();
  for (const layouts::CardModel& model : models) {
    if (!model.submenu) AddEntry(issue, {model.menu, model.caption});
  }
  AddEntry(issue, {"L1", "Listagem das cartelas"});
  for (const layouts::CardSubmenu& submenu : layouts::CardSubmenus()) {
    QMenu* sub = issue.addMenu(QString::fromUtf8(submenu.caption));
    sub->setObjectName(QString::fromUtf8(submenu.name));
    for (const layouts::CardModel& model : models) {
      if (model.submenu && std::string_view(model.submenu) == submenu.caption) {
        AddEntry(*sub, {model.menu, model.caption});
      }
    }
  }
}

}  // namespace

void BuildMainMenu(QMenuBar& bar) {
  AddIssueEntries(*AddMenu(bar, "MenuEmissao", "Emissão de cartelas"));

  AddEntries(*AddMenu(bar, "MenuValidacao", "Validação de cartelas"), kValidationEntries);
  AddEntry(bar, {"MenuSorteio", "Sorteio"});
  AddEntries(*AddMenu(bar, "MenuOpcoes", "Opções das cartelas"), kOptionEntries);
  AddEntry(bar, {"MenuPM", "Prêmios menores"});
  AddEntry(bar, {"MenuSobre", "Leia-me"});
  AddEntry(bar, {"MenuSair", "Sair"});
}

}  // namespace tavelao::app
