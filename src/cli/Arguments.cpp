#include "cli/Arguments.h"

namespace zoriduvo {

namespace {
struct Shape {
    const char* command;
    std::size_t files;
};
constexpr Shape kShapes[] = {{"convert", 2}, {"stats", 1}, {"sort", 2}, {"transform", 2}, {"info", 1}};
}  // namespace

std::string CliUsage() {
    return "usage:\n"
           "  zoriduvo-cli --version | --help\n"
           "  zoriduvo-cli convert IN OUT [--to vo1|vo2|vo3|vo4]\n"
           "  zoriduvo-cli stats IN [--from A --to B]\n"
           "  zoriduvo-cli sort IN OUT --key VAR [--descending] [--within-groups]\n"
           "  zoriduvo-cli transform IN OUT [--from A --to B] [--seed X] -e STATEMENT [-e STATEMENT ...]\n"
           "  zoriduvo-cli info IN\n";
}

std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string& error) {
    CliArguments parsed;
    if (args.empty()) {
        error = "コマンドがありません";
        return std::nullopt;
    }
    parsed.command = args[0];
    if (parsed.command == "--version" || parsed.command == "--help") {
        if (args.size() == 1) return parsed;
        error = "余分な引数があります: " + args[1];
        return std::nullopt;
    }
    const Shape* shape = nullptr;
    for (const auto& s : kShapes)
        if (parsed.command == s.command) shape = &s;
    if (!shape) {
        error = "不明なコマンドです: " + parsed.command;
        return std::nullopt;
    }
    const bool convert = parsed.command == "convert";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = std::string(option) + " の値がありません";
                return std::nullopt;
            }
            return args[++i];
        };
        std::optional<std::string>* slot = nullptr;
        if (arg == "--to" && convert) {
            auto v = value("--to");
            if (!v) return std::nullopt;
            parsed.format = *v;
            continue;
        }
        if (arg == "--from") slot = &parsed.from;
        else if (arg == "--to") slot = &parsed.to;
        else if (arg == "--key" && parsed.command == "sort") slot = &parsed.key;
        else if (arg == "--seed" && parsed.command == "transform") slot = &parsed.seed;
        if (slot) {
            *slot = value(arg.c_str());
            if (!*slot) return std::nullopt;
        } else if (arg == "-e" && parsed.command == "transform") {
            auto v = value("-e");
            if (!v) return std::nullopt;
            parsed.statements.push_back(*v);
        } else if (arg == "--descending" && parsed.command == "sort") {
            parsed.descending = true;
        } else if (arg == "--within-groups" && parsed.command == "sort") {
            parsed.withinGroups = true;
        } else if (!arg.empty() && arg[0] == '-' && arg.size() > 1) {
            error = "不明なオプションです: " + arg;
            return std::nullopt;
        } else {
            parsed.files.push_back(arg);
        }
    }
    if (parsed.files.size() != shape->files) {
        error = parsed.command + " にはファイルが " + std::to_string(shape->files) + " 個必要です";
        return std::nullopt;
    }
    if (convert && parsed.format != "vo1" && parsed.format != "vo2" && parsed.format != "vo3" && parsed.format != "vo4") {
        error = "不明な形式です: " + parsed.format;
        return std::nullopt;
    }
    const bool ranged = parsed.command == "stats" || parsed.command == "transform";
    if (ranged && parsed.from.has_value() != parsed.to.has_value()) {
        error = "--from と --to は両方指定してください";
        return std::nullopt;
    }
    if ((parsed.from || parsed.to) && !ranged) {
        error = parsed.command + " では --from/--to は使えません";
        return std::nullopt;
    }
    if (parsed.command == "sort" && !parsed.key) {
        error = "sort には --key が必要です";
        return std::nullopt;
    }
    if (parsed.command == "transform" && parsed.statements.empty()) {
        error = "transform には -e が必要です";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace zoriduvo
