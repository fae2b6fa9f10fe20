// tavelao-cli migra: the folder's validated cards to the shared server of
// the banco= setting, or the server's back into the folder.

#include <algorithm>
#include <ostream>

#include "cli/commands.h"
#include "common/text.h"
#include "session/data_files.h"
#include "session/store_setting.h"
#include "validation/validated_cards_copy.h"

namespace tavelao::cli {
namespace {

constexpr OptionDeclaration kMigraOptions[] = {
    FlagOption("para-servidor", "copia Validadas.cds da pasta para o servidor"),
    FlagOption("para-pasta", "copia as cartelas validadas do servidor para Validadas.cds da pasta"),
};

std::string CardList(const std::vector<std::int32_t>& cards) {
  constexpr std::size_t kShown = 50;
  std::string list;
  for (std::size_t i = 0; i < std::min(cards.size(), kShown); ++i) list += (i ? ", " : "") + SixDigits(cards[i]);
  if (cards.size() > kShown) list += " e mais " + std::to_string(cards.size() - kShown);
  return list;
}

int RunMigra(CliContext& context, const CommandArgs& args) {
  const bool to_server = args.Flag("para-servidor");
  if (to_server == args.Flag("para-pasta")) return context.UsageError("Use --para-servidor ou --para-pasta.");
  // Without a server there is nothing to do: said before the folder is touched.
  auto setting = session::ReadInstalledStoreSetting();
  if (setting && !*setting) {
    context.err << "migra precisa de um servidor: as configurações da instalação não têm a linha "
                   "banco=postgresql://USUÁRIO@HOST:PORTA/BASE.\n";
    return kExitUsage;
  }
  auto ws = context.OpenWorkspace();
  if (!ws) return context.workspace_failure;
  const session::TablePlace folder{ws->folder, nullptr};
  if (to_server) {
    auto exists = store::TableFileExists(ws->File(session::kValidationFile));
    if (!exists || !*exists) {
      context.err << (exists ? "A pasta não tem " + std::string(session::kValidationFile) + "." : exists.error())
                  << "\n";
      return kExitRefused;
    }
  }
  auto local = session::OpenValidation(folder);
  auto shared = session::OpenValidation(ws->place());
  if (!local || !shared) {
    context.err << (!local ? local.error() : shared.error()) << "\n";
    return kExitRefused;
  }
  auto copied =
      to_server ? validation::CopyValidatedCards(*local, *shared) : validation::CopyValidatedCards(*shared, *local);
  if (!copied) {
    context.err << copied.error() << " Nenhuma cartela foi copiada.\n";
    return kExitRefused;
  }
  const std::string where =
      to_server ? "para o servidor " + ws->server->where() : "do servidor " + ws->server->where() + " para a pasta";
  context.out << copied->copied << (copied->copied == 1 ? " cartela copiada " : " cartelas copiadas ") << where
              << ".\n";
  if (copied->already_there.empty()) return kExitOk;
  context.out << copied->already_there.size()
              << (copied->already_there.size() == 1 ? " cartela já estava validada lá e ficou como estava: "
                                                    : " cartelas já estavam validadas lá e ficaram como estavam: ")
              << CardList(copied->already_there) << ".\n";
  return kExitRefused;
}

}  // namespace

constinit const CommandDeclaration kMigraCommand{
    .name = "migra",
    .summary =
        "copia as cartelas validadas da pasta para o servidor da linha banco= (--para-servidor) ou de volta "
        "(--para-pasta); as que já estão lá ficam como estão e são listadas",
    .options = kMigraOptions,
    .run = RunMigra,
};

}  // namespace tavelao::cli
