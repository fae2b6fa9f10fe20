#include "layouts/card_models.h"

#include <algorithm>

#include "common/text.h"

namespace tavelao::layouts {
namespace {

constexpr const char* kStubMenu = "Modelos 5 cartelas por folha com com canhoto (com canhoto)";

constexpr CardModel kModels[] = {
    {"Menu9", "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A4 21x29.7)", nullptr, 9,
     "1 a 9 quadros alocáveis(A4)", ExtraInput::kFrames},
    {"MenuA5", "Modelo uma cartela com 1 a 9 quadros alocáveis por folha (A5 14.5 x 21)", nullptr, 69,
     "1 a 9 quadros alocáveis(A5)", ExtraInput::kFrames},
    {"Menu1", "Modelo uma cartela com 1 quadro por folha", nullptr, 1, "Modelo uma cartela com 1 quadro por folha",
     ExtraInput::kBorderBox},
    {"Menu2", "Modelo uma cartela com 2 quadros por folha", nullptr, 2, "Modelo uma cartela com 2 quadros por folha",
     ExtraInput::kBorderBox},
    {"Menu3", "Modelo uma cartela com 3 quadros  por folha", nullptr, 3,
     "Modelo uma cartela com 3 quadros  por folha", ExtraInput::kBorderBox},
    {"Menu4a6", "Modelo uma cartela com 4 a 6 linhas por folha", nullptr, 6,
     "Modelo uma cartela com 4 a 6 linhas por folha", ExtraInput::kLines},
    {"Menu4", "Modelo quatro cartelas  em quadro por folha", nullptr, 4, "Modelo quatro cartelas  em quadro por folha",
     ExtraInput::kNone},
    {"Menu12", "Modelo doze cartelas em quadro por folha", nullptr, 12, "Modelo doze cartelas em quadro por folha",
     ExtraInput::kNone},
    {"Menu25", "Modelo uma cartela com dezenas alocáveis", nullptr, 25, "Modelo uma cartela com dezenas alocáveis",
     ExtraInput::kNone},
    {"MenuBE", "Bingo Empresarial", nullptr, 33, "Bingo Empresarial", ExtraInput::kNone},
    {"Modeloextra7quadros1", "Modelo extra 4 cartelas por folha", nullptr, 7, "Modelo 4 por folha",
     ExtraInput::kNone},
    {"MenuExtra", "Modelo extra 1 cartela por folha", nullptr, 5, "Modelo Extra 1 por folha", ExtraInput::kNone},
    {"Menu4CCan", "Cartela com 5 pedras", kStubMenu, 44, "Modelo 5 pedras com canhoto", ExtraInput::kNone},
    {"Menu15ccan", "Cartela com 15 pedras", kStubMenu, 15, "Modelo 15 pedras com canhoto", ExtraInput::kNone},
    {"Cartelacom20pedras1", "Cartela com 20 pedras", kStubMenu, 27, "Modelo 20 pedras com canhoto",
     ExtraInput::kNone},
    {"Menu25ccan", "Cartela com 25 pedras", kStubMenu, 26, "Modelo 25 pedras com canhoto", ExtraInput::kNone},
};

}  // namespace

std::span<const CardModel> CardModels() { return kModels; }

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
  const int code = model.code;
  setup.width = (code == 1 || code == 2 || code == 3 || code == 6 || code == 9 || code == 69) ? kWidePanel
                                                                                                : kNarrowPanel;
  setup.border_box = model.extra == ExtraInput::kBorderBox;
  setup.number_box = model.extra == ExtraInput::kLines || model.extra == ExtraInput::kFrames;
  if (model.extra == ExtraInput::kLines) {
    setup.number_caption = "Número de linhas";
    setup.number_range = "(de 4 a 6)";
  } else if (model.extra == ExtraInput::kFrames) {
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
