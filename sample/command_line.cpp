#include "command_line.hpp"

#include <algorithm>
#include <iostream>

namespace atrium_cli {

bool CommandLine::Has(std::string_view name) const { return Value(name).has_value(); }

std::optional<std::string> CommandLine::Value(std::string_view name) const {
    auto found = std::find_if(options.rbegin(), options.rend(), [&](const auto& option) { return option.first == name; });
    if (found == options.rend()) return std::nullopt;
    return found->second;
}

ProgramUsage::ProgramUsage(std::string program, std::string usage)
    : program_(std::move(program)), usage_(std::move(usage)) {}

std::variant<CommandLine, int> ProgramUsage::Parse(int argc, char** argv,
                                                   std::initializer_list<OptionSpec> options) const {
    CommandLine line;
    bool operandsOnly = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        if (operandsOnly || !word.starts_with('-') || word == "-") {
            line.operands.emplace_back(word);
        } else if (word == "--") {
            operandsOnly = true;
        } else if (word == "--help" || word == "-h") {
            std::cout << usage_;
            return 0;
        } else if (word == "--version") {
            std::cout << program_ << " " << ATRIUM_VERSION << "\n";
            return 0;
        } else {
            auto spec = std::find_if(options.begin(), options.end(), [&](const OptionSpec& s) { return s.name == word; });
            if (spec == options.end()) return Refuse("unknown option \"" + std::string(word) + "\"");
            if (spec->takesValue && i + 1 == argc) return Refuse(std::string(word) + " needs a value");
            line.options.emplace_back(word, spec->takesValue ? argv[++i] : "");
        }
    }
    return line;
}

int ProgramUsage::Refuse(std::string_view message) const {
    std::cerr << program_ << ": " << message << "\n" << usage_;
    return 2;
}

}  // namespace atrium_cli
