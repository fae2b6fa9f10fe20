// tavelao-cli: the core of Tavelão from the command line, over the table
// files of the working directory.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

using tavelao::cli::Command;

const Command kCommands[] = {
    {"cartela", "NÚMERO", "mostra a cartela do banco com dígito, números, autenticação e código de barras",
     tavelao::cli::RunCartela},
    {"exporta", "--inicial N --quantidade Q", "grava CARTGRAF.CSV para a gráfica com as cartelas N a N+Q-1",
     tavelao::cli::RunExporta},
    {"lista", "--inicial A --final B [--estilo 3|4|5|diagonal] --pdf ARQUIVO [--sobrescreve]",
     "grava em PDF a listagem das cartelas A a B (estilo 3 linhas, 4 linhas, 5 linhas ou diagonal)",
     tavelao::cli::RunLista},
    {"emite", "--modelo M --inicial N --quantidade Q [--linhas L] [--sem-cercadura] [--texto ARQUIVO] --pdf ARQUIVO [--sobrescreve]", "emite as cartelas N a N+Q-1 em Cartelas.cds e grava o layout do modelo M em PDF", tavelao::cli::RunEmite},
    {"empresarial", "--inicial N --quantidade Q [--sem-dezenas] [--pdf ARQUIVO [--sobrescreve]] [--csv]",
     "bingo empresarial: emite as cartelas N a N+Q-1 e grava as cartelas com os nomes das empresas em PDF "
     "e/ou CARTGRAFBE.CSV, com dados.cds e empresas.cds da pasta",
     tavelao::cli::RunEmpresarial},
    {"sorteia", "--cartelas 5|15|20|25 [--padroes LINHA,COLUNA,TE,JANELAO,CRUZ,XIS,JANELINHA,BIN,U,PORTA,ELE,CANTOS] [--sem-cheia] --bolas 7,42,100,...", "repete um sorteio manual sobre as cartelas validadas e mostra, após cada pedra, o quadro de resultados", tavelao::cli::RunSorteia},
    {"premios", "N", "sorteia N prêmios menores entre as cartelas validadas e grava SorteioPM.cds",
     tavelao::cli::RunPremios},
    {"confere", "NÚMERO [--bolas 7,42,100,...]",
     "mostra a cartela com as pedras sorteadas marcadas entre colchetes (00 = 100) e a autenticação",
     tavelao::cli::RunConfere},
    {"valida", "[--lote LOTE] [--exclui] ENTRADA...", "valida cada entrada como a validação direta, ou por lote com o lote LOTE aberto; --exclui responde Sim a \"Exclui da validação?\"", tavelao::cli::RunValida},
    {"backup", "", "copia Validadas.cds, a ata do sorteio, premios.cds e empresas.cds para a pasta backup (as 10 últimas de cada) e lista as cópias",
     tavelao::cli::RunBackup},
    {"restaura", "ARQUIVO", "restaura a tabela a partir da cópia ARQUIVO da pasta backup, depois de guardar uma cópia da tabela atual",
     tavelao::cli::RunRestaura},
};

void PrintHelp(std::ostream& out) {
  out << "Uso: tavelao-cli COMANDO [ARGUMENTOS]\n\n"
         "Trabalha sobre as tabelas (*.cds) da pasta atual, como o Tavelão.\n"
         "A senha de autenticação, quando usada, vem da variável TAVELAO_SENHA.\n"
         "--pdf nunca substitui uma tabela; um arquivo que já existe e não é um PDF do\n"
         "Tavelão só é substituído com --sobrescreve.\n\n"
         "Comandos:\n";
  for (const Command& c : kCommands) out << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    PrintHelp(std::cout);
    return argc < 2 ? tavelao::cli::kExitUsage : tavelao::cli::kExitOk;
  }
  for (const Command& c : kCommands) {
    if (argv[1] != std::string(c.name)) continue;
    tavelao::cli::CliContext context{std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr};
    for (const auto& arg : context.args) {
      if (arg == "--help") {
        std::cout << "Uso: tavelao-cli " << c.name << " " << c.usage << "\n" << c.summary << "\n";
        return tavelao::cli::kExitOk;
      }
    }
    return c.run(context);
  }
  std::cerr << "Comando desconhecido: " << argv[1] << "\n";
  PrintHelp(std::cerr);
  return tavelao::cli::kExitUsage;
}
