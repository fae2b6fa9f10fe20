#include "cli/command_declaration.h"

#include <algorithm>
#include <cassert>
#include <ostream>

namespace tavelao::cli {
namespace {

bool IsOptionWord(std::string_view arg) { return arg.size() > 2 && arg.starts_with("--"); }

// Columns on screen, not bytes: "NÚMERO" is six wide.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string OptionWithValue(const OptionDeclaration& option) {
  std::string text = "--" + std::string(option.name);
  if (option.takes_value()) text += " " + std::string(option.value_name);
  return text;
}

std::string ArgumentWord(const ArgumentDeclaration& argument) {
  return std::string(argument.name) + (argument.repeats ? "..." : "");
}

Error Missing(std::string_view what, std::string_view help) {
  return Fail("Falta " + std::string(what) + ": " + std::string(help) + ".");
}

}  // namespace

const OptionDeclaration* CommandDeclaration::FindOption(std::string_view option_name) const {
  for (const OptionDeclaration& option : options) {
    if (option.name == option_name) return &option;
  }
  return nullptr;
}

std::optional<std::string> CommandArgs::Value(std::string_view name) const {
  assert(declaration_ && declaration_->FindOption(name) && declaration_->FindOption(name)->takes_value());
  const auto it = given_.find(name);
  if (it == given_.end()) return std::nullopt;
  return it->second;
}

bool CommandArgs::Flag(std::string_view name) const {
  assert(declaration_ && declaration_->FindOption(name) && !declaration_->FindOption(name)->takes_value());
  return given_.contains(name);
}

Result<CommandArgs> ParseCommandLine(const CommandDeclaration& declaration, const std::vector<std::string>& args) {
  CommandArgs parsed;
  parsed.declaration_ = &declaration;
  // --help wins wherever it stands, so a half-typed command line still
  // gets its explanation.
  for (const std::string& arg : args) {
    if (arg == "--") break;
    if (arg == "--help") {
      parsed.help_ = true;
      return parsed;
    }
  }
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!options_ended && arg == "--") {
      options_ended = true;
      continue;
    }
    if (options_ended || !IsOptionWord(arg)) {
      parsed.arguments_.push_back(arg);
      continue;
    }
    const auto equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const OptionDeclaration* option = declaration.FindOption(name);
    if (!option) return Fail("Argumento desconhecido: --" + name + ".");
    if (parsed.given_.contains(name)) return Fail("A opção --" + name + " foi dada mais de uma vez.");
    std::string value;
    if (!option->takes_value()) {
      if (equals != std::string::npos) return Fail("A opção --" + name + " não leva valor.");
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else {
      // The next word is the value unless it is an option itself: "--pdf
      // --sobrescreve" lacks the file name rather than naming one.
      if (i + 1 == args.size() || IsOptionWord(args[i + 1]) || args[i + 1] == "--") {
        return Fail("Falta o valor de --" + name + ".");
      }
      value = args[++i];
    }
    parsed.given_.emplace(name, std::move(value));
  }
  for (const OptionDeclaration& option : declaration.options) {
    if (option.required && !parsed.given_.contains(option.name)) {
      return Missing("--" + std::string(option.name), option.help);
    }
  }
  const std::size_t given = parsed.arguments_.size();
  if (given < declaration.arguments.size() && !declaration.arguments[given].optional) {
    const ArgumentDeclaration& missing = declaration.arguments[given];
    return Missing(missing.name, missing.help);
  }
  const bool repeats = !declaration.arguments.empty() && declaration.arguments.back().repeats;
  if (given > declaration.arguments.size() && !repeats) {
    return Fail("Argumento a mais: " + parsed.arguments_[declaration.arguments.size()] + ".");
  }
  return parsed;
}

std::string Synopsis(const CommandDeclaration& declaration) {
  std::string words;
  const auto add = [&words](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
  for (const OptionDeclaration& option : declaration.options) {
    add(option.required ? OptionWithValue(option) : "[" + OptionWithValue(option) + "]");
  }
  for (const ArgumentDeclaration& argument : declaration.arguments) {
    add(argument.optional ? "[" + ArgumentWord(argument) + "]" : ArgumentWord(argument));
  }
  return words;
}

std::string UsageLine(const CommandDeclaration& declaration) {
  const std::string synopsis = Synopsis(declaration);
  return "tavelao-cli " + std::string(declaration.name) + (synopsis.empty() ? "" : " " + synopsis);
}

void PrintCommandHelp(const CommandDeclaration& declaration, std::ostream& out) {
  out << "Uso: " << UsageLine(declaration) << "\n" << declaration.summary << "\n";
  std::size_t column = 0;
  for (const OptionDeclaration& option : declaration.options) column = std::max(column, Width(OptionWithValue(option)));
  for (const ArgumentDeclaration& argument : declaration.arguments) column = std::max(column, Width(ArgumentWord(argument)));
  const auto print = [&out, column](const std::string& word, std::string_view help) {
    out << "  " << word << std::string(column - Width(word) + 2, ' ') << help << "\n";
  };
  if (!declaration.arguments.empty()) {
    out << "\nArgumentos:\n";
    for (const ArgumentDeclaration& argument : declaration.arguments) print(ArgumentWord(argument), argument.help);
  }
  if (!declaration.options.empty()) {
    out << "\nOpções:\n";
    for (const OptionDeclaration& option : declaration.options) print(OptionWithValue(option), option.help);
  }
  if (!declaration.notes.empty()) out << "\n" << declaration.notes << "\n";
}

}  // namespace tavelao::cli
