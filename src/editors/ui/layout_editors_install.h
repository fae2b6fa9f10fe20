#pragma once
// The layout editors, created hidden at start and opened by the issue
// panel after a run of model 9 (A4 or large card), 69 (A5) or 25 (numbers).

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::editors {

void InstallLayoutEditors(app::TMainForm& form);

}  // namespace tavelao::editors
