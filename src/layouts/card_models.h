#pragma once
// The card models of the menu "Emissão de cartelas", in menu order: the one
// table that says, for each model, its menu entry, model code and name shown,
// what the issue panel asks for it, which layout or editor it opens and how
// its cards reach paper. Adding a model is adding one entry here.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "layouts/layout_options.h"
#include "report/layout.h"

namespace tavelao::layouts {

enum class ExtraInput {
  kNone,
  kBorderBox,  // CBCercadura "Suprime cercadura das cartelas"
  kLines,      // number box: "Número de linhas" "(de 4 a 6)"
  kFrames,     // number box: "Número de quadros" "(de 1 a 9)"
};

// What the issue panel shows for the model besides the range.
struct IssuePanelOptions {
  ExtraInput extra = ExtraInput::kNone;
  bool wide = false;  // kWidePanel instead of kNarrowPanel
  // "Cartela grande" (RB3Car) opens the large-card frame editor when the
  // frames fit it.
  bool large_card = false;
};

// The screen that takes over the open card file after the issue run. The
// widgets layer maps each one to its window; kNone is the issue panel's own
// preview (or nothing).
enum class CardEditor {
  kNone,
  kFramesA4,  // allocatable frames on A4, or the large card when chosen
  kFramesA5,  // allocatable frames on A5
  kNumbers,   // allocatable numbers
  kBusiness,  // the business bingo panel
};

// How the model's cards reach paper.
enum class PrintRoute {
  kNothing,       // no layout: the card file is closed and deleted
  kFixedLayout,   // `layout`, built and previewed by PrintCardFile
  kFrameEditor,   // the frame editor's positions ("Procede a emissão" or its stored table)
  kNumberEditor,  // the number editor's positions, likewise
  kBusiness,      // business cards over the event and sponsor tables
};

using LayoutBuilder = report::Layout (*)(const LayoutOptions&);

struct CardModel {
  const char* menu;        // objectName of the menu entry: "Menu1"
  const char* caption;     // the menu entry's caption
  const char* submenu;     // caption of the submenu holding it (one of CardSubmenus), or nullptr
  int code;                // the model code
  const char* name_shown;  // LabelNomemod
  IssuePanelOptions panel;
  PrintRoute route = PrintRoute::kNothing;
  LayoutBuilder layout = nullptr;  // kFixedLayout
  CardEditor editor = CardEditor::kNone;
  // A fixed layout's card file stays on disk until the next issue run
  // instead of being deleted after the preview. The editors' card files
  // always stay; the editor deletes them.
  bool keeps_card_file = false;
};

// A submenu of "Emissão de cartelas" holding models.
struct CardSubmenu {
  const char* name;  // objectName
  const char* caption;
};

std::span<const CardModel> CardModels();
std::span<const CardSubmenu> CardSubmenus();
const CardModel* FindCardModel(int code);
const CardModel* FindCardModelByMenu(std::string_view menu);

inline constexpr int kWidePanel = 377;
inline constexpr int kNarrowPanel = 265;

// What choosing a model does to the issue panel (SelectCardModel): the
// first card and quantity are cleared and the focus goes to EditCI.
struct IssuePanelSetup {
  std::string model_name;  // LabelNomemod
  int width = kNarrowPanel;
  bool number_box = false;     // Panel4a6 with EditNP
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
