#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "support/temp_folder.h"

#ifndef TAVELAO_CLI
#error "tests that run the CLI need TAVELAO_CLI"
#endif

namespace tavelao::testing {

CliRun RunCli(const std::filesystem::path& folder, const std::string& arguments, const std::string& environment) {
  // Captured beside the folder, so the folder holds only what the CLI wrote.
  const auto out = folder.parent_path() / (folder.filename().string() + ".out");
  const auto err = folder.parent_path() / (folder.filename().string() + ".err");
  // A fixed configuration folder keeps the user's issuer setting out of tests.
  const std::string command = "cd '" + folder.string() + "' && env XDG_CONFIG_HOME='" + folder.string() + ".config' " +
                              environment + " '" TAVELAO_CLI "' " + arguments + " >'" + out.string() + "' 2>'" +
                              err.string() + "'";
  CliRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadBytes(out);
  run.err = ReadBytes(err);
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return run;
}

std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

std::string SqliteQuery(const std::filesystem::path& table, const std::string& sql) {
  std::string out = CommandOutput("sqlite3 '" + table.string() + "' '" + sql + "' 2>&1");
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string CliPath() { return TAVELAO_CLI; }

std::string PdfText(const std::filesystem::path& pdf) {
  return CommandOutput("pdftotext -raw '" + pdf.string() + "' - 2>/dev/null");
}

}  // namespace tavelao::testing
