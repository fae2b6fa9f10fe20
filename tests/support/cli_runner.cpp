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

std::string SqliteQuery(const std::filesystem::path& table, const std::string& sql) {
  std::string out;
  if (FILE* pipe = popen(("sqlite3 '" + table.string() + "' '" + sql + "' 2>&1").c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string CliPath() { return TAVELAO_CLI; }

std::string PdfText(const std::filesystem::path& pdf) {
  std::string text;
  if (FILE* pipe = popen(("pdftotext -raw '" + pdf.string() + "' - 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

}  // namespace tavelao::testing
