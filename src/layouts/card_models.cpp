#include "layouts/card_models.h"

#include <algorithm>

#include "common/text.h"
#include "layouts/fixed_layouts.h"

namespace tavelao::layouts {
namespace {

constexpr CardSubmenu kSubmenus[] = {
    {"MenuCanhoto", "Modelos 5 cartelas por folha com canhoto"},
};
constexpr const char* kStubMenu = kSubmenus[0].caption;

constexpr IssuePanelOptions kBorderPanel{.extra = ExtraInput::kBorderBox, .wide = true};

constexpr CardModel kModels[] = {
    {.menu = "Menu9",
     .caption = "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A4 21x29.7)",
     .submenu = nullptr,
     .code = 9,
     .name_shown = "1 a 9 quadros alocáveis(A4)",
     .panel = {.extra = ExtraInput::kFrames, .wide = true, .large_card = true},
     .route = PrintRoute::kFrameEditor,
     .editor = CardEditor::kFramesA4},
    {.menu = "MenuA5",
     .caption = "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A5 14.5 x 21)",
     .submenu = nullptr,
     .code = 69,
     .name_shown = "1 a 9 quadros alocáveis(A5)",
     .panel = {.extra = ExtraInput::kFrames, .wide = true},
     .route = PrintRoute::kFrameEditor,
     .editor = CardEditor::kFramesA5},
    {.menu = "Menu1",
     .caption = "Modelo uma cartela com 1 quadro por folha",
     .submenu = nullptr,
     .code = 1,
     .name_shown = "Modelo uma cartela com 1 quadro por folha",
     .panel = kBorderPanel,
     .route = PrintRoute::kFixedLayout,
     .layout = FormCarLayout},
    {.menu = "Menu2",
     .caption = "Modelo uma cartela com 2 quadros por folha",
     .submenu = nullptr,
     .code = 2,
     .name_shown = "Modelo uma cartela com 2 quadros por folha",
     .panel = kBorderPanel,
     .route = PrintRoute::kFixedLayout,
     .layout = FormCar2Layout},
    {.menu = "Menu3",
     .caption = "Modelo uma cartela com 3 quadros  por folha",
     .submenu = nullptr,
     .code = 3,
     .name_shown = "Modelo uma cartela com 3 quadros  por folha",
     .panel = kBorderPanel,
     .route = PrintRoute::kFixedLayout,
     .layout = FormCar3Layout},
    {.menu = "Menu4a6",
     .caption = "Modelo uma cartela com 4 a 6 linhas por folha",
     .submenu = nullptr,
     .code = 6,
     .name_shown = "Modelo uma cartela com 4 a 6 linhas por folha",
     .panel = {.extra = ExtraInput::kLines, .wide = true},
     .route = PrintRoute::kFixedLayout,
     .layout = FormCar4a6Layout},
    {.menu = "Menu4",
     .caption = "Modelo quatro cartelas  em quadro por folha",
     .submenu = nullptr,
     .code = 4,
     .name_shown = "Modelo quatro cartelas  em quadro por folha",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = FormCar4Layout},
    {.menu = "Menu12",
     .caption = "Modelo doze cartelas em quadro por folha",
     .submenu = nullptr,
     .code = 12,
     .name_shown = "Modelo doze cartelas em quadro por folha",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = FormCar12Layout},
    {.menu = "Menu25",
     .caption = "Modelo uma cartela com dezenas alocáveis",
     .submenu = nullptr,
     .code = 25,
     .name_shown = "Modelo uma cartela com dezenas alocáveis",
     .panel = {},
     .route = PrintRoute::kNumberEditor,
     .editor = CardEditor::kNumbers},
    {.menu = "MenuBE",
     .caption = "Bingo Empresarial",
     .submenu = nullptr,
     .code = 33,
     .name_shown = "Bingo Empresarial",
     .panel = {},
     .route = PrintRoute::kBusiness,
     .editor = CardEditor::kBusiness},
    {.menu = "Modeloextra7quadros1",
     .caption = "Modelo extra 4 cartelas por folha",
     .submenu = nullptr,
     .code = 7,
     .name_shown = "Modelo 4 por folha",
     .panel = {},
     .route = PrintRoute::kNothing},
    {.menu = "MenuExtra",
     .caption = "Modelo extra 1 cartela por folha",
     .submenu = nullptr,
     .code = 5,
     .name_shown = "Modelo Extra 1 por folha",
     .panel = {},
     .route = PrintRoute::kNothing},
    // The stub layouts leave the card file for the next run.
    {.menu = "Menu4CCan",
     .caption = "Cartela com 5 pedras",
     .submenu = kStubMenu,
     .code = 44,
     .name_shown = "Modelo 5 pedras com canhoto",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = Form5DiaLayout,
     .keeps_card_file = true},
    {.menu = "Menu15ccan",
     .caption = "Cartela com 15 pedras",
     .submenu = kStubMenu,
     .code = 15,
     .name_shown = "Modelo 15 pedras com canhoto",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = Form15CanLayout,
     .keeps_card_file = true},
    {.menu = "Cartelacom20pedras1",
     .caption = "Cartela com 20 pedras",
     .submenu = kStubMenu,
     .code = 27,
     .name_shown = "Modelo 20 pedras com canhoto",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = Form20CanLayout,
     .keeps_card_file = true},
    {.menu = "Menu25ccan",
     .caption = "Cartela com 25 pedras",
     .submenu = kStubMenu,
     .code = 26,
     .name_shown = "Modelo 25 pedras com canhoto",
     .panel = {},
     .route = PrintRoute::kFixedLayout,
     .layout = Form25CanLayout,
     .keeps_card_file = true},
};

}  // namespace

std::span<const CardModel> CardModels() { return kModels; }

std::span<const CardSubmenu> CardSubmenus() { return kSubmenus; }

const CardModel* FindCardModel(int code) {
  for (const CardModel& model : kModels) {
    if (model.code == code) return &model;
  }
  return nullptr;
}

const CardModel* FindCardModelByMenu(std::string_view menu) {
  for (const CardModel& model : kModels) {
    if (menu == model.menu) return &model;
  }
  return nullptr;
}

IssuePanelSetup SelectCardModel(const CardModel& model) {
  IssuePanelSetup setup;
  setup.model_name = model.name_shown;
  const ExtraInput extra = model.panel.extra;
  setup.width = model.panel.wide ? kWidePanel : kNarrowPanel;
  setup.border_box = extra == ExtraInput::kBorderBox;
  setup.number_box = extra == ExtraInput::kLines || extra == ExtraInput::kFrames;
  if (extra == ExtraInput::kLines) {
    setup.number_caption = "Número de linhas";
    setup.number_range = "(de 4 a 6)";
  } else if (extra == ExtraInput::kFrames) {
    setup.number_caption = "Número de quadros";
    setup.number_range = "(de 1 a 9)";
  }
  return setup;
}

bool ShowsCardSizeChoice(std::string_view number_box_text) {
  return ParseInt32(Trim(number_box_text)).value_or(1) <= 6;
}

NumberBoxValue LinesForModel6(std::string_view number_box_text) {
  const auto typed = ParseInt32(Trim(number_box_text));
  NumberBoxValue result;
  if (!typed) result.written_back = "9";
  result.value = std::clamp(typed.value_or(9), 4, 6);
  return result;
}

NumberBoxValue FramesForModel9(std::string_view number_box_text) {
  return {std::clamp(ParseInt32(Trim(number_box_text)).value_or(9), 1, 9), std::nullopt};
}

}  // namespace tavelao::layouts
