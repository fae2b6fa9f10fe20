#include "cli/cli_steps.h"

#include <ostream>

#include "cli/cli_dialogs.h"
#include "common/output_file.h"
#include "issue/issue_run.h"
#include "report/document_output.h"
#include "session/data_files.h"

namespace tavelao::cli {

std::optional<int> IssueCardFile(CliContext& context, session::Workspace& ws, const std::string& first,
                                 const std::string& quantity, store::Table& card_file) {
  CliDialogs dialogs(context.err);
  issue::WarnAboutQuantity(quantity, dialogs);
  switch (issue::RunIssue(card_file, ws.folder, ws.bank, first, quantity, dialogs)) {
    case issue::IssueOutcome::kIssued:
      return std::nullopt;
    case issue::IssueOutcome::kNothing:
      context.out << "Nada a emitir: a cartela inicial ou a quantidade é 0.\n";
      return kExitOk;
    case issue::IssueOutcome::kRefused:
      break;
  }
  return kExitRefused;
}

std::optional<int> NoteIssuedCards(CliContext& context, session::Workspace& ws,
                                   Result<std::optional<issue::CardRange>> printed) {
  const Status recorded = issue::RecordIssuedCards(ws.place(), std::move(printed), SystemClock());
  if (recorded) return std::nullopt;
  context.err << "A emissão não foi anotada em " << session::kIssuedFile << ": " << recorded.error() << "\n";
  return kExitRefused;
}

std::optional<session::CardOptions> ReadStoredCardOptions(CliContext& context, session::Workspace& ws) {
  auto table = session::OpenOptions(ws.folder);
  if (!table) {
    context.err << table.error() << "\n";
    return std::nullopt;
  }
  auto options = session::ReadCardOptions(*table);
  if (!options) {
    context.err << options.error() << "\n";
    return std::nullopt;
  }
  return std::move(*options);
}

std::optional<int> RefusePdfOutput(CliContext& context, const std::string& pdf, bool overwrite) {
  const Status allowed = CheckPdfOutput(pdf, overwrite ? Overwrite::kAnyOtherFile : Overwrite::kOnlyOurPdf,
                                        "use --sobrescreve para substituí-lo");
  if (allowed) return std::nullopt;
  context.err << allowed.error() << "\n";
  return kExitRefused;
}

int WritePdfAndReport(CliContext& context, const report::Document& document, const std::string& pdf, bool overwrite,
                      const std::string& what) {
  // Again, as the command may have run for a while since the first look.
  if (auto refused = RefusePdfOutput(context, pdf, overwrite)) return *refused;
  if (auto written = report::WritePdf(document, pdf); !written) {
    context.err << written.error() << "\n";
    return kExitRefused;
  }
  context.out << pdf << " gravado: " << document.records << " cartela(s) em " << document.pages.size() << " página(s), "
              << what << ".\n";
  return kExitOk;
}

}  // namespace tavelao::cli
