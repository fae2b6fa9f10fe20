#pragma once
// The three frame editors, created hidden at start, opened by the issue
// panel after a run of model 9 (A4 or large card) or 69 (A5).

namespace tavelao::app {
class TMainForm;
}

namespace tavelao::editors {

void InstallFrameEditors(app::TMainForm& form);

}  // namespace tavelao::editors
