#pragma once
#include <optional>
#include <string>
#include <vector>

namespace zoriduvo {

struct CliArguments {
    std::string command;  // convert, stats, sort, transform, info, --version, --help
    std::vector<std::string> files;
    std::string format = "vo3";  // --to with convert
    std::optional<std::string> from, to;  // --from/--to case range
    std::optional<std::string> key;
    bool descending = false;
    bool withinGroups = false;
    std::optional<std::string> seed;
    std::vector<std::string> statements;
};

// Parses the command line; on a usage error returns nullopt and sets the message.
std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string& error);
std::string CliUsage();

}  // namespace zoriduvo
