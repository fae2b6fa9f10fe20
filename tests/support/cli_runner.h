#pragma once
// Runs tavelao-cli in a folder, and the outside tools tests read files
// with, and captures what they print.

#include <filesystem>
#include <string>

namespace tavelao::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `arguments` is passed to the shell as written; `environment` is a prefix
// such as "TAVELAO_SENHA=ABCDE".
CliRun RunCli(const std::filesystem::path& folder, const std::string& arguments, const std::string& environment = {});

// What a shell command prints on its standard output; empty when it
// cannot run.
std::string CommandOutput(const std::string& command);

// What the sqlite3 tool prints for `sql` over a table file, as another
// program reading the folder would (its last line end removed).
std::string SqliteQuery(const std::filesystem::path& table, const std::string& sql);

// Where the tavelao-cli under test is.
std::string CliPath();

// The text of a PDF as pdftotext reads it, empty when it cannot.
std::string PdfText(const std::filesystem::path& pdf);

}  // namespace tavelao::testing
