#include "cli/command_spec.h"

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

std::string OptionWithValue(const OptionSpec& option) {
  std::string text = "--" + std::string(option.name);
  if (option.takes_value()) text += " " + std::string(option.value_name);
  return text;
}

std::string ArgumentWord(const ArgumentSpec& argument) {
  return std::string(argument.name) + (argument.repeats ? "..." : "");
}

Error Missing(std::string_view what, std::string_view help) {
  return Fail("Falta " + std::string(what) + ": " + std::string(help) + ".");
}

}  // namespace

const OptionSpec* CommandSpec::FindOption(std::string_view option_name) const {
  for (const OptionSpec& option : options) {
    if (option.name == option_name) return &option;
  }
  return nullptr;
}

std::optional<std::string> CommandArgs::Value(std::string_view name) const {
  assert(spec_ && spec_->FindOption(name) && spec_->FindOption(name)->takes_value());
  const auto it = given_.find(name);
  if (it == given_.end()) return std::nullopt;
  return it->second;
}

bool CommandArgs::Flag(std::string_view name) const {
  assert(spec_ && spec_->FindOption(name) && !spec_->FindOption(name)->takes_value());
  return given_.contains(name);
}

Result<CommandArgs> ParseCommandLine(const CommandSpec& spec, const std::vector<std::string>& args) {
  CommandArgs parsed;
  parsed.spec_ = &spec;
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
    const OptionSpec* option = spec.FindOption(name);
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
  for (const OptionSpec& option : spec.options) {
    if (option.required && !parsed.given_.contains(option.name)) {
      return Missing("--" + std::string(option.name), option.help);
    }
  }
  const std::size_t given = parsed.arguments_.size();
  if (given < spec.arguments.size()) {
    const ArgumentSpec& missing = spec.arguments[given];
    return Missing(missing.name, missing.help);
  }
  const bool repeats = !spec.arguments.empty() && spec.arguments.back().repeats;
  if (given > spec.arguments.size() && !repeats) {
    return Fail("Argumento a mais: " + parsed.arguments_[spec.arguments.size()] + ".");
  }
  return parsed;
}

std::string Synopsis(const CommandSpec& spec) {
  std::string words;
  const auto add = [&words](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
  for (const OptionSpec& option : spec.options) {
    add(option.required ? OptionWithValue(option) : "[" + OptionWithValue(option) + "]");
  }
  for (const ArgumentSpec& argument : spec.arguments) add(ArgumentWord(argument));
  return words;
}

std::string UsageLine(const CommandSpec& spec) {
  const std::string synopsis = Synopsis(spec);
  return "tavelao-cli " + std::string(spec.name) + (synopsis.empty() ? "" : " " + synopsis);
}

void PrintCommandHelp(const CommandSpec& spec, std::ostream& out) {
  out << "Uso: " << UsageLine(spec) << "\n" << spec.summary << "\n";
  std::size_t column = 0;
  for (const OptionSpec& option : spec.options) column = std::max(column, Width(OptionWithValue(option)));
  for (const ArgumentSpec& argument : spec.arguments) column = std::max(column, Width(ArgumentWord(argument)));
  const auto print = [&out, column](const std::string& word, std::string_view help) {
    out << "  " << word << std::string(column - Width(word) + 2, ' ') << help << "\n";
  };
  if (!spec.arguments.empty()) {
    out << "\nArgumentos:\n";
    for (const ArgumentSpec& argument : spec.arguments) print(ArgumentWord(argument), argument.help);
  }
  if (!spec.options.empty()) {
    out << "\nOpções:\n";
    for (const OptionSpec& option : spec.options) print(OptionWithValue(option), option.help);
  }
  if (!spec.notes.empty()) out << "\n" << spec.notes << "\n";
}

}  // namespace tavelao::cli
