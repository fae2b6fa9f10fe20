#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace tavelao::testing {

TempFolder::TempFolder() {
  std::random_device device;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("tavelao-test-" + std::to_string(device()));
  } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace tavelao::testing
