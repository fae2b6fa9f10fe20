#include "support/sound_checks.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace tavelao::testing {
namespace {

// What the command prints, standard error included; nullopt when it fails.
std::optional<std::string> Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return std::nullopt;
  char buffer[512];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
  if (pclose(pipe) != 0) return std::nullopt;
  return text;
}

std::optional<double> Number(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text->c_str(), &end);
  if (end == text->c_str()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<SoxReading> ReadWithSox(const std::filesystem::path& wav) {
  const std::string quoted = "'" + wav.string() + "'";
  const auto seconds = Number(Output("sox --i -D " + quoted));
  const auto rate = Number(Output("sox --i -r " + quoted));
  const auto channels = Number(Output("sox --i -c " + quoted));
  const auto bits = Number(Output("sox --i -b " + quoted));
  const auto stat = Output("sox " + quoted + " -n stat");
  if (!seconds || !rate || !channels || !bits || !stat) return std::nullopt;
  // "RMS     amplitude:     0.088736"
  std::istringstream lines(*stat);
  std::optional<double> rms;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("RMS") && line.find("amplitude:") != std::string::npos) {
      rms = Number(line.substr(line.find(':') + 1));
    }
  }
  if (!rms) return std::nullopt;
  return SoxReading{*seconds, *rms, static_cast<int>(*rate), static_cast<int>(*channels), static_cast<int>(*bits)};
}

}  // namespace tavelao::testing
