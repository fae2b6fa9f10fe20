#pragma once
// The program's command line: the data folder to work in and the free text
// that the text editor opens.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"

namespace tavelao::app {

struct StartOptions {
  bool help = false;
  bool version = false;
  std::optional<std::filesystem::path> folder;  // --pasta, "~" already expanded
  std::string editor_file;
};

// Reads the arguments after the program name. `home` stands for a leading
// "~" in --pasta: desktop launchers pass the menu entry's "~/Tavelao" as is.
Result<StartOptions> ParseStartOptions(const std::vector<std::string>& args, const std::filesystem::path& home);

std::string StartHelpText();
std::string StartVersionText();

// Makes `folder` (and its parents) when missing and works in it from now on.
Status EnterDataFolder(const std::filesystem::path& folder);

}  // namespace tavelao::app
