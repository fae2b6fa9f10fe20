#include "app/ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tavelao::app {
namespace {

struct Entry {
  const char* name;
  const char* caption;
};

// "Emissao de cartelas", in menu order; the stub models follow in their submenu.
const Entry kIssueEntries[] = {
    {"Menu9", "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A4 21x29.7)"},
    {"MenuA5", "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A5 14.5 x 21)"},
    {"Menu1", "Modelo uma cartela com 1 quadro por folha"},
    {"Menu2", "Modelo uma cartela com 2 quadros por folha"},
    {"Menu3", "Modelo uma cartela com 3 quadros  por folha"},
    {"Menu4a6", "Modelo uma cartela com 4 a 6 linhas por folha"},
    {"Menu4", "Modelo quatro cartelas  em quadro por folha"},
    {"Menu12", "Modelo doze cartelas em quadro por folha"},
    {"Menu25", "Modelo uma cartela com dezenas alocáveis"},
    {"MenuBE", "Bingo Empresarial"},
    {"Modeloextra7quadros1", "Modelo extra 4 cartelas por folha"},
    {"MenuExtra", "Modelo extra 1 cartela por folha"},
    {"L1", "Listagem das cartelas"},
};

const Entry kStubEntries[] = {
    {"Menu4CCan", "Cartela com 5 pedras"},
    {"Menu15ccan", "Cartela com 15 pedras"},
    {"Cartelacom20pedras1", "Cartela com 20 pedras"},
    {"Menu25ccan", "Cartela com 25 pedras"},
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

}  // namespace

void BuildMainMenu(QMenuBar& bar) {
  QMenu* issue = AddMenu(bar, "MenuEmissao", "Emissao de cartelas");
  AddEntries(*issue, kIssueEntries);
  QMenu* stubs = issue->addMenu(QStringLiteral("Modelos 5 cartelas por folha com com canhoto (com canhoto)"));
  stubs->setObjectName(QStringLiteral("MenuCanhoto"));
  AddEntries(*stubs, kStubEntries);

  AddEntries(*AddMenu(bar, "MenuValidacao", "Validação de cartelas"), kValidationEntries);
  AddEntry(bar, {"MenuSorteio", "Sorteio"});
  AddEntries(*AddMenu(bar, "MenuOpcoes", "Opçoes das cartelas"), kOptionEntries);
  AddEntry(bar, {"MenuPM", "Prêmios menores"});
  // "Leia-me" does nothing, but it is there and can be chosen.
  AddEntry(bar, {"MenuSobre", "Leia-me"})->setEnabled(true);
  AddEntry(bar, {"MenuSair", "Sair"});
}

}  // namespace tavelao::app
