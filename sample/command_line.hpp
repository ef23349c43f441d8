#pragma once
// The command lines of the sample programs: --help and --version answered alike by all, the
// options each program names, and any other word starting with "-" refused.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace atrium_cli {

// An option a program takes: "--out" with a value (the next word), "--open" without.
struct OptionSpec {
    std::string_view name;
    bool takesValue = false;
};

// A command line as given: its options in order and its other words. "--" ends the options, so
// every word after it is an operand, even one starting with "-".
struct CommandLine {
    std::vector<std::pair<std::string, std::string>> options;  // name and value ("" for none)
    std::vector<std::string> operands;

    bool Has(std::string_view name) const;
    // The value given with the last name, or nothing when it was not given.
    std::optional<std::string> Value(std::string_view name) const;
};

// A program's name and usage text, for answering and refusing its command lines.
class ProgramUsage {
public:
    // usage: what --help prints, starting "usage: PROGRAM ...".
    ProgramUsage(std::string program, std::string usage);

    // Parses argv. --help (or -h) prints the usage on standard output, --version the program's
    // name and version; both end the program with status 0. An option not among options, or
    // one missing its value, is refused (Refuse). Returns the command line, or the status the
    // program ends with.
    std::variant<CommandLine, int> Parse(int argc, char** argv, std::initializer_list<OptionSpec> options) const;

    // Writes "PROGRAM: message" and the usage on standard error; returns 2, the status of a
    // refused command line.
    int Refuse(std::string_view message) const;

private:
    std::string program_;
    std::string usage_;
};

}  // namespace atrium_cli
