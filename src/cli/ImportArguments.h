#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zoriduvo {

// The options of `import`, as given.
struct ImportArguments {
    std::string layout;  // values, counts, described, mirv or fixed
    std::optional<std::string> cases, variables;
    std::string skip = "0";
    bool countsInFile = false;
    bool groups = false;
    bool types = false;
    std::string names = "generated";
    std::string caseNames = "generated";
    std::vector<std::string> columns;  // NAME:FIRST-LAST
    std::vector<std::string> given;    // every option named, in order
};

// True when args[i] is an option of `import`.
bool IsImportOption(const std::string& arg);
// Takes the option at args[i] and its value (i then points at the value); false with the usage
// error when the value is missing.
bool ReadImportOption(const std::vector<std::string>& args, std::size_t& i, ImportArguments& parsed,
                      std::string& error);
// The rules between the import options once all are read; empty when they hold.
std::string ImportRefusal(const ImportArguments& parsed);

}  // namespace zoriduvo
