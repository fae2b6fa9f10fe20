#pragma once
// The commands of tavelao-cli, one file each.

#include "cli/cli_context.h"

namespace tavelao::cli {

struct Command {
  const char* name;
  const char* usage;    // arguments, as --help shows them
  const char* summary;  // one line
  int (*run)(CliContext&);
};

int RunCartela(CliContext& context);
int RunExporta(CliContext& context);
int RunSorteia(CliContext& context);
int RunEmite(CliContext& context);
int RunValida(CliContext& context);
int RunPremios(CliContext& context);
int RunConfere(CliContext& context);
int RunLista(CliContext& context);
int RunEmpresarial(CliContext& context);
int RunBackup(CliContext& context);
int RunRestaura(CliContext& context);

}  // namespace tavelao::cli
