#pragma once
// Steps that several commands of tavelao-cli take the same way.

#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "report/document.h"
#include "session/card_options.h"
#include "store/table.h"

namespace tavelao::cli {

// The issue run of the panel's "OK" over the typed first card and quantity,
// into `card_file`. Returns the exit status to end with when no card file
// was written (nothing to issue, or refused); nullopt when it was.
std::optional<int> IssueCardFile(CliContext& context, session::Workspace& ws, const std::string& first,
                                 const std::string& quantity, store::Table& card_file);

// The title letters, prizes and colours stored in "premios.cds"; the error
// is printed.
std::optional<session::CardOptions> ReadStoredCardOptions(CliContext& context, session::Workspace& ws);

// The --sobrescreve flag of the commands that write a PDF, taken from args.
bool TakeOverwrite(CliContext& context);

// The refusal of a --pdf file the PDF may not replace (a table file, or an
// existing file that is not a PDF of ours without --sobrescreve), printed;
// exit status 1. Checked before the command changes anything.
std::optional<int> RefusePdfOutput(CliContext& context, const std::string& pdf, bool overwrite);

// Writes the document as PDF and says so: "F gravado: N cartela(s) em P
// página(s), <what>." Returns the exit status.
int WritePdfAndReport(CliContext& context, const report::Document& document, const std::string& pdf, bool overwrite,
                      const std::string& what);

}  // namespace tavelao::cli
