#include "issue/card_file.h"

namespace tavelao::issue {

std::string NumberField(int k) { return "N" + std::to_string(k); }

store::Schema CardFileSchema() {
  store::Schema schema{store::IntegerField(kNumeroField), store::StringField(kDigitoField, 2)};
  for (int k = 1; k <= 25; ++k) schema.push_back(store::StringField(NumberField(k), 2));
  return schema;
}

}  // namespace tavelao::issue
