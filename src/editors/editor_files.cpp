#include "editors/editor_files.h"

#include "issue/card_file.h"

namespace tavelao::editors {

void CloseAndDeleteCardFile(store::Table& card_file, const std::filesystem::path& folder) {
  const std::filesystem::path open_path = card_file.path();
  card_file.Close();
  DeleteIfPresent(folder / issue::kCardFile);
  if (!open_path.empty()) DeleteIfPresent(open_path);
}

Status RequireOpenCardFile(const store::Table& card_file) {
  if (card_file.is_open()) return {};
  return Fail("Não há cartelas emitidas para imprimir: faça antes a emissão das cartelas.");
}

void DeleteIfPresent(const std::filesystem::path& file) {
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
}

}  // namespace tavelao::editors
