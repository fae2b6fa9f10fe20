#include "app/start_options.h"

#include <system_error>

#include "common/version.h"

namespace tavelao::app {
namespace {

std::filesystem::path ExpandHome(const std::string& folder, const std::filesystem::path& home) {
  if (folder == "~") return home;
  if (folder.starts_with("~/")) return home / folder.substr(2);
  return folder;
}

}  // namespace

Result<StartOptions> ParseStartOptions(const std::vector<std::string>& args, const std::filesystem::path& home) {
  StartOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--pasta" || arg.starts_with("--pasta=")) {
      std::string value = arg == "--pasta" ? (i + 1 < args.size() ? args[++i] : "") : arg.substr(8);
      if (value.empty()) return Error{"--pasta precisa do nome de uma pasta."};
      if (value.starts_with("~") && home.empty())
        return Error{"A pasta pessoal não é conhecida (HOME não está definida): use --pasta com o caminho completo."};
      options.folder = ExpandHome(value, home);
    } else if (arg.starts_with("-") && arg != "-") {
      return Error{"Opção desconhecida: " + arg + "\nUse tavelao --help para ver as opções."};
    } else if (options.editor_file.empty()) {
      options.editor_file = arg;
    } else {
      return Error{"Só um arquivo de texto pode ser aberto de cada vez: " + arg};
    }
  }
  return options;
}

std::string StartHelpText() {
  return "Uso: tavelao [--pasta PASTA] [ARQUIVO]\n\n"
         "Emite, valida e sorteia cartelas de bingo de 100 pedras.\n"
         "Trabalha sobre as tabelas (*.cds) da pasta atual, ou da pasta PASTA.\n\n"
         "Opções:\n"
         "  --pasta PASTA  trabalha na pasta PASTA, criada quando não existe (~ é a pasta pessoal;\n"
         "                 o menu do sistema abre o Tavelão em ~/Tavelao)\n"
         "  ARQUIVO        texto livre (RTF, TXT ou HTML) que o editor de texto abre\n"
         "  --help         mostra esta ajuda\n"
         "  --version      mostra a versão\n\n"
         "A ajuda completa está no próprio programa: botão \"Leia-me\" ou F1.\n";
}

std::string StartVersionText() { return std::string("tavelao ") + kVersion + "\n"; }

Status EnterDataFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec) std::filesystem::current_path(folder, ec);
  if (ec) return Error{"Não foi possível usar a pasta " + folder.string() + ": " + ec.message() + "."};
  return {};
}

}  // namespace tavelao::app
