// tavelao-cli backup and restaura: the safety copies of the night's tables
// in the folder "backup", as the program takes and restores them.

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <ostream>

#include "cli/commands.h"
#include "session/backups.h"

namespace tavelao::cli {
namespace {

void PrintCopies(CliContext& context, const std::filesystem::path& folder) {
  context.out << "Data       Hora     Registros Arquivo\n";
  for (const session::BackupFile& copy : session::ListBackups(folder)) {
    context.out << copy.taken << " " << std::setw(9) << copy.records << " " << session::kBackupFolder << "/"
                << copy.path.filename().string() << "\n";
  }
}

int RunBackup(CliContext& context, const CommandArgs&) {
  // Copying only reads the tables, so it may run beside the program.
  auto ws = context.OpenWorkspace(FolderAccess::Reads);
  if (!ws) return context.workspace_failure;
  if (auto status = session::BackUpFolder(ws->folder, nullptr, std::chrono::system_clock::now()); !status) {
    context.err << status.error() << "\n";
    return kExitRefused;
  }
  PrintCopies(context, ws->folder);
  return kExitOk;
}

constexpr ArgumentDeclaration kRestoreArguments[] = {Argument("ARQUIVO", "uma cópia da pasta backup")};

int RunRestaura(CliContext& context, const CommandArgs& args) {
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  const std::filesystem::path copy = args.arguments().front();
  if (auto status = session::RestoreBackup(copy, nullptr, std::chrono::system_clock::now()); !status) {
    context.err << status.error() << "\n";
    return kExitRefused;
  }
  context.out << "Cópia " << copy.filename().string()
              << " restaurada; a tabela como estava foi guardada antes na pasta backup.\n";
  return kExitOk;
}

}  // namespace

constinit const CommandDeclaration kBackupCommand{
    .name = "backup",
    .summary =
        "copia Validadas.cds, a ata do sorteio, premios.cds e empresas.cds para a pasta backup (as 10 últimas "
        "de cada) e lista as cópias",
    .run = RunBackup,
};

constinit const CommandDeclaration kRestauraCommand{
    .name = "restaura",
    .summary =
        "restaura a tabela a partir da cópia ARQUIVO da pasta backup, depois de guardar uma cópia da tabela atual",
    .arguments = kRestoreArguments,
    .run = RunRestaura,
};

}  // namespace tavelao::cli
