#pragma once
// The layout editors, created hidden at start and opened by the issue
// panel after a run of a model whose catalogue entry names one: the frame
// editors (A4 or large card, A5) or the number editor.

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::editors {

void InstallLayoutEditors(app::TMainForm& form);

}  // namespace tavelao::editors
