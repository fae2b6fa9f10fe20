#pragma once
// Steps that several commands of tavelao-cli take the same way.

#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "cli/command_declaration.h"
#include "issue/issue_run.h"
#include "report/document.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::cli {

// Options several commands declare alike.
inline constexpr OptionDeclaration kFirstCardOption = RequiredOption("inicial", "N", "a primeira cartela");
inline constexpr OptionDeclaration kQuantityOption =
    RequiredOption("quantidade", "Q", "quantas cartelas, de N a N+Q-1");
inline constexpr OptionDeclaration kPdfOption = RequiredOption("pdf", "ARQUIVO", "o arquivo PDF a gravar");
inline constexpr OptionDeclaration kOverwriteOption =
    FlagOption("sobrescreve", "substitui o ARQUIVO que já existe e não é um PDF do Tavelão (nunca uma tabela)");

// The issue run of the panel's "OK" over the typed first card and quantity,
// into `card_file`. Returns the exit status to end with when no card file
// was written (nothing to issue, or refused); nullopt when it was.
std::optional<int> IssueCardFile(CliContext& context, session::Workspace& ws, const std::string& first,
                                 const std::string& quantity, store::Table& card_file);

// Adds the printed cards (issue::CardFileRange of the card file) to the
// register of issued cards, which validation checks against; a failure is
// printed. Returns the exit status to end with when it failed.
std::optional<int> NoteIssuedCards(CliContext& context, session::Workspace& ws,
                                   Result<std::optional<issue::CardRange>> printed);

// The title letters, prizes and colours stored in "premios.cds"; the error
// is printed.
std::optional<session::CardOptions> ReadStoredCardOptions(CliContext& context, session::Workspace& ws);

// The refusal of a --pdf file the PDF may not replace (a table file, or an
// existing file that is not a PDF of ours without --sobrescreve), printed;
// exit status 1. Checked before the command changes anything.
std::optional<int> RefusePdfOutput(CliContext& context, const std::string& pdf, bool overwrite);

// Writes the document as PDF and says so: "F gravado: N cartela(s) em P
// página(s), <what>." Returns the exit status.
int WritePdfAndReport(CliContext& context, const report::Document& document, const std::string& pdf, bool overwrite,
                      const std::string& what);

}  // namespace tavelao::cli
