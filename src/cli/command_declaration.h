#pragma once
// A command of tavelao-cli declares its options and arguments once; its
// parsing, its usage error and its --help are all made from that
// declaration, so they cannot drift apart.
// Not QCommandLineParser: its errors and help are English text that does
// not say which option lacks its value, and it takes "-1" (a count the
// command itself refuses) for an option.

#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace tavelao::cli {

struct CliContext;
class CommandArgs;

struct OptionDeclaration {
  std::string_view name;        // without the leading "--"
  std::string_view value_name;  // what usage shows for the value; empty for a flag
  std::string_view help;
  bool required = false;

  bool takes_value() const { return !value_name.empty(); }
};

// A positional argument; only the last one may repeat (one or more), and
// only the last ones may be left out.
struct ArgumentDeclaration {
  std::string_view name;  // "NÚMERO"
  std::string_view help;
  bool repeats = false;
  bool optional = false;
};

// The entries of the tables, spelled out.
constexpr OptionDeclaration RequiredOption(std::string_view name, std::string_view value_name, std::string_view help) {
  return {name, value_name, help, true};
}
constexpr OptionDeclaration ValueOption(std::string_view name, std::string_view value_name, std::string_view help) {
  return {name, value_name, help, false};
}
constexpr OptionDeclaration FlagOption(std::string_view name, std::string_view help) { return {name, {}, help, false}; }
constexpr ArgumentDeclaration Argument(std::string_view name, std::string_view help) { return {name, help, false}; }
constexpr ArgumentDeclaration RepeatedArgument(std::string_view name, std::string_view help) { return {name, help, true}; }
constexpr ArgumentDeclaration OptionalArgument(std::string_view name, std::string_view help) {
  return {name, help, false, true};
}

struct CommandDeclaration {
  std::string_view name;
  std::string_view summary;  // one line
  std::span<const OptionDeclaration> options = {};
  std::span<const ArgumentDeclaration> arguments = {};
  std::string_view notes = {};  // more lines for --help, may be empty
  int (*run)(CliContext&, const CommandArgs&) = nullptr;

  const OptionDeclaration* FindOption(std::string_view option_name) const;
};

// What a command line gave, by the names of the declaration.
class CommandArgs {
 public:
  // The value of `--name`, when given. `name` must be a declared option
  // that takes a value.
  std::optional<std::string> Value(std::string_view name) const;
  // Whether `--name` was given; `name` must be a declared flag.
  bool Flag(std::string_view name) const;
  // The positional arguments, in order.
  const std::vector<std::string>& arguments() const { return arguments_; }
  // Whether --help was among the options: nothing else was checked then.
  bool help() const { return help_; }

 private:
  friend Result<CommandArgs> ParseCommandLine(const CommandDeclaration& declaration, const std::vector<std::string>& args);

  const CommandDeclaration* declaration_ = nullptr;
  std::map<std::string, std::string, std::less<>> given_;  // a flag maps to ""
  std::vector<std::string> arguments_;
  bool help_ = false;
};

// The arguments after the command name against its declaration: `--name
// VALUE` or `--name=VALUE`, flags, positional arguments in any order, and
// "--" ending the options. The error (in Portuguese) names the unknown,
// repeated or valueless option, the missing required one or the missing or
// surplus argument.
Result<CommandArgs> ParseCommandLine(const CommandDeclaration& declaration, const std::vector<std::string>& args);

// "--modelo M ... [--sobrescreve]": required options bare, the others in
// brackets, then the positional arguments (an optional one in brackets).
std::string Synopsis(const CommandDeclaration& declaration);
// "tavelao-cli emite " and the synopsis.
std::string UsageLine(const CommandDeclaration& declaration);

// The --help of one command: usage, summary, one line per option and
// argument, and the notes.
void PrintCommandHelp(const CommandDeclaration& declaration, std::ostream& out);

}  // namespace tavelao::cli
