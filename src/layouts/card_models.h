#pragma once
// The card models of the menu "Emissao de cartelas", in menu order: what
// each one sets (model code, name shown in the issue panel) and what the
// issue panel asks for it.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavelao::layouts {

enum class ExtraInput {
  kNone,
  kBorderBox,  // CBCercadura "Suprime cercadura das cartelas"
  kLines,      // number box: "Número de linhas" "(de 4 a 6)"
  kFrames,     // number box: "Número de quadros" "(de 1 a 9)"
};

struct CardModel {
  const char* menu;       // objectName of the menu entry: "Menu1"
  const char* caption;    // the menu entry's caption
  const char* submenu;    // caption of the submenu holding it, or nullptr
  int code;               // the model code
  const char* name_shown;  // LabelNomemod
  ExtraInput extra;
};

std::span<const CardModel> CardModels();
const CardModel* FindCardModel(int code);
const CardModel* FindCardModelByMenu(std::string_view menu);

inline constexpr int kWidePanel = 377;
inline constexpr int kNarrowPanel = 265;

// What choosing a model does to the issue panel (SelectCardModel): the
// first card and quantity are cleared and the focus goes to EditCI.
struct IssuePanelSetup {
  std::string model_name;  // LabelNomemod
  int width = kNarrowPanel;
  bool number_box = false;  // Panel4a6 with EditNP
  std::string number_caption;  // LabelNumpre
  std::string number_range;    // LabelNumPre2
  bool border_box = false;     // CBCercadura
};
IssuePanelSetup SelectCardModel(const CardModel& model);

// Leaving EditNP: "Cartela pequena" / "Cartela grande" (RB2Car, RB3Car) are
// shown for 6 frames or fewer; text that is not a number counts as 1.
bool ShowsCardSizeChoice(std::string_view number_box_text);

// The number box read at print time: text that is not a number counts as 9,
// then the value is clamped.
struct NumberBoxValue {
  int value = 9;
  // What EditNP shows afterwards when the print changed it.
  std::optional<std::string> written_back;
};
NumberBoxValue LinesForModel6(std::string_view number_box_text);   // 4..6, "9" written back
NumberBoxValue FramesForModel9(std::string_view number_box_text);  // 1..9

}  // namespace tavelao::layouts
