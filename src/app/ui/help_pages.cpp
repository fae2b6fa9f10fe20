#include "app/ui/help_pages.h"

#include <QWidget>
#include <algorithm>

namespace tavelao::app {
namespace {

constexpr const char* kMainWindow = "FormMenu";
constexpr const char* kPanelArea = "PanelFundo";

constexpr HelpScreen kScreens[] = {
    {kMainWindow, "principal.html"},
    {"PanelSenha", "principal.html#senha"},
    {"PanelCor", "principal.html#cor"},
    {"PanelPremios", "principal.html#premios"},
    {"PanelPalavra", "principal.html#titulo"},
    {"PanelTexto", "principal.html#grafica"},
    {"FormEdit", "emissao.html#texto-livre"},
    {"PanelFiltraCar", "emissao.html#painel"},
    {"FormPreview", "emissao.html#visualizacao"},
    {"TFormVar", "emissao.html#editor-quadros"},
    {"TFormVarG", "emissao.html#editor-quadros"},
    {"TFormVarA5", "emissao.html#editor-quadros"},
    {"TFormDVar", "emissao.html#editor-dezenas"},
    {"PanelLista", "emissao.html#listagem"},
    {"FormRel", "emissao.html#listagem"},
    {"PanelBE", "empresarial.html"},
    {"FormEmp", "empresarial.html#lista"},
    {"FormEmpE", "empresarial.html#cartelas"},
    {"PanelValidacao", "validacao.html#direta"},
    {"TFormInc", "validacao.html#lote"},
    {"TFormRestaura", "validacao.html#restaurar"},
    {"PanelTSor", "sorteio.html#tipo"},
    {"PanelSorteio", "sorteio.html#tela"},
    {"TFormSorteios", "sorteio.html#outros"},
    {"TFormVenc", "sorteio.html#ganhadoras"},
    {"TFormTelao", "sorteio.html#telao"},
    {"FormPaginaAoVivo", "sorteio.html#rede"},
    {"PanelConf", "sorteio.html#conferencia"},
    {"FormConf", "sorteio.html#conferencia"},
    {"FormAta", "sorteio.html#ata"},
    {"PanelPM", "premios.html"},
    {"FormAjuda", "index.html"},
};

const HelpScreen* Find(const QString& name) {
  const auto* found = std::find_if(std::begin(kScreens), std::end(kScreens),
                                   [&](const HelpScreen& s) { return name == QLatin1String(s.screen); });
  return found == std::end(kScreens) ? nullptr : found;
}

// The first panel shown on the main window that has a page.
const HelpScreen* ShownPanel(const QWidget& main_window) {
  const auto* area = main_window.findChild<QWidget*>(QLatin1String(kPanelArea));
  if (!area) return nullptr;
  for (const QWidget* panel : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!panel->isVisible()) continue;
    if (const HelpScreen* screen = Find(panel->objectName())) return screen;
  }
  return nullptr;
}

}  // namespace

std::span<const HelpScreen> HelpScreens() { return kScreens; }

QUrl HelpPage(const QString& page) { return QUrl(QStringLiteral("qrc:/ajuda/") + page); }

QUrl HelpHome() { return HelpPage(QStringLiteral("index.html")); }

QUrl HelpEveningGuide() { return HelpPage(QStringLiteral("noite.html")); }

QUrl HelpPageFor(const QWidget& widget) {
  for (const QWidget* w = &widget; w; w = w->parentWidget()) {
    const HelpScreen* screen = Find(w->objectName());
    if (!screen) continue;
    if (w->objectName() == QLatin1String(kMainWindow)) {
      if (const HelpScreen* panel = ShownPanel(*w)) screen = panel;
    }
    return HelpPage(QLatin1String(screen->page));
  }
  return HelpHome();
}

}  // namespace tavelao::app
