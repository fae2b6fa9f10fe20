#include "store/query.h"

#include <cctype>

#include "common/text.h"

namespace tavelao::store {
namespace {

class FilterParser {
 public:
  FilterParser(const Schema& schema, std::string_view text) : schema_(schema), text_(text) {}

  Status Parse(CompiledQuery& out) {
    std::string where;
    for (bool first = true;; first = false) {
      SkipBlanks();
      if (AtEnd()) {
        if (first) return {};
        return Fail(Describe("condição faltando"));
      }
      if (!first) {
        if (!TakeWord("and")) return Fail(Describe("esperava \"and\""));
        where += " AND ";
      }
      auto condition = ParseCondition(out.params);
      if (!condition) return std::move(condition).take_error();
      where += *condition;
      SkipBlanks();
      if (AtEnd()) break;
    }
    out.where = " WHERE " + where;
    return {};
  }

 private:
  Result<std::string> ParseCondition(std::vector<Value>& params) {
    SkipBlanks();
    const std::size_t start = pos_;
    while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '_')) ++pos_;
    const std::string_view name = text_.substr(start, pos_ - start);
    const auto field = FindField(schema_, name);
    if (name.empty() || !field) return Fail(Describe("campo desconhecido \"" + std::string(name) + "\""));
    SkipBlanks();
    std::string op;
    for (std::string_view candidate : {"<=", ">=", "<>", "=", "<", ">"}) {
      if (text_.substr(pos_, candidate.size()) == candidate) {
        op = candidate;
        pos_ += candidate.size();
        break;
      }
    }
    if (op.empty()) return Fail(Describe("esperava um operador"));
    SkipBlanks();
    auto literal = ParseLiteral(schema_[*field]);
    if (!literal) return std::move(literal).take_error();
    params.push_back(std::move(*literal));
    return QuoteName(schema_[*field].name) + " " + op + " ?";
  }

  Result<Value> ParseLiteral(const FieldDef& field) {
    std::string token;
    bool quoted = false;
    if (!AtEnd() && Peek() == '\'') {
      quoted = true;
      ++pos_;
      for (;;) {
        if (AtEnd()) return Fail(Describe("texto sem aspa final"));
        const char c = text_[pos_++];
        if (c == '\'') {
          if (!AtEnd() && Peek() == '\'') {
            token += '\'';
            ++pos_;
            continue;
          }
          break;
        }
        token += c;
      }
    } else {
      const std::size_t start = pos_;
      while (!AtEnd() && !std::isspace(static_cast<unsigned char>(Peek()))) ++pos_;
      token = std::string(text_.substr(start, pos_ - start));
      if (token.empty()) return Fail(Describe("valor faltando"));
    }
    switch (field.type) {
      case FieldType::String:
        return Value{token};
      case FieldType::Integer:
        if (auto n = ParseInt32(token)) return Value{*n};
        break;
      case FieldType::Float:
        try {
          std::size_t used = 0;
          const double d = std::stod(token, &used);
          if (used == token.size()) return Value{d};
        } catch (...) {
        }
        break;
      case FieldType::Boolean:
        if (SameName(token, "true")) return Value{true};
        if (SameName(token, "false")) return Value{false};
        break;
      case FieldType::Date:
        if (quoted) return Value{token};
        break;
    }
    return Fail(Describe("valor \"" + token + "\" não serve ao campo " + field.name));
  }

  bool TakeWord(std::string_view word) {
    if (text_.size() - pos_ < word.size() || !SameName(text_.substr(pos_, word.size()), word)) return false;
    const std::size_t after = pos_ + word.size();
    if (after < text_.size() && !std::isspace(static_cast<unsigned char>(text_[after]))) return false;
    pos_ = after;
    return true;
  }
  void SkipBlanks() {
    while (!AtEnd() && std::isspace(static_cast<unsigned char>(Peek()))) ++pos_;
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }
  std::string Describe(const std::string& what) const {
    return "Filtro inválido \"" + std::string(text_) + "\": " + what + ".";
  }

  const Schema& schema_;
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string QuoteName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

Result<CompiledQuery> CompileQuery(const Schema& schema, const Query& query) {
  CompiledQuery out;
  if (auto status = FilterParser(schema, query.filter).Parse(out); !status) return std::move(status).take_error();
  std::string order;
  std::string_view rest = query.order;
  while (!rest.empty()) {
    const auto cut = rest.find(';');
    const std::string_view name = Trim(rest.substr(0, cut));
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    if (name.empty()) continue;
    const auto field = FindField(schema, name);
    if (!field)
      return Fail("Ordem inválida \"" + query.order + "\": campo desconhecido \"" + std::string(name) + "\".");
    order += QuoteName(schema[*field].name) + ", ";
  }
  out.order_by = " ORDER BY " + order + "rowid";
  const auto add_column = [&out, &schema](std::size_t field) {
    out.columns += (out.fields.empty() ? "" : ", ") + QuoteName(schema[field].name);
    out.fields.push_back(field);
  };
  if (query.fields.empty()) {
    for (std::size_t i = 0; i < schema.size(); ++i) add_column(i);
  }
  for (const std::string& name : query.fields) {
    const auto field = FindField(schema, name);
    if (!field) return Fail("Campo desconhecido \"" + name + "\".");
    add_column(*field);
  }
  return out;
}

}  // namespace tavelao::store
