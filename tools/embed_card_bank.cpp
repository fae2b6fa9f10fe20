// Turns the delivered card bank file into a C++ source, so that the built-in
// cards are part of the program and need no file at run time.
//
//   embed_card_bank INPUT_TXT OUTPUT_CPP

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "uso: embed_card_bank ENTRADA SAIDA\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ofstream out(argv[2], std::ios::binary);
  out << "// Made by embed_card_bank from card_bank_data.txt; do not edit.\n"
         "#include \"card/card_bank_data.h\"\n\n"
         "namespace tavelao::card {\n\n"
         "const char kBuiltInRecords[kBuiltInCards * kRecordLength + 1] =\n";
  std::string line;
  int lines = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() != 50 || line.find_first_not_of("0123456789") != std::string::npos) {
      std::cerr << "linha " << lines + 1 << " não tem 50 algarismos\n";
      return 1;
    }
    out << "    \"" << line << "\"\n";
    ++lines;
  }
  if (lines != 10'000) {
    std::cerr << "o arquivo tem " << lines << " linhas em vez de 10000\n";
    return 1;
  }
  out << "    ;\n\n}  // namespace tavelao::card\n";
  return out ? 0 : 1;
}
