#include "files/exports/ForeignNames.h"

#include <set>

#include "text/Utf8.h"

namespace zoriduvo {

namespace {

constexpr std::string_view kSpssReserved[] = {"ALL", "AND", "BY", "EQ", "GE", "GT", "LE",
                                              "LT", "NE", "NOT", "OR", "TO", "WITH"};
constexpr std::string_view kStataReserved[] = {
    "_all", "_b", "byte", "_coef", "_cons", "double", "float", "if", "in", "int", "long", "_n", "_N", "_pi",
    "_pred", "_rc", "_skip", "strL", "using", "with"};
constexpr std::string_view kSasReserved[] = {"_N_", "_ERROR_", "_NUMERIC_", "_CHARACTER_", "_ALL_",
                                             "_TEMPORARY_", "_NULL_", "_INFILE_", "_IORC_", "_MSG_"};

const NameRule kSpss{64, 64, true, "._@#$", "@", kSpssReserved};
const NameRule kStata{32, 128, true, "_", "_", kStataReserved};
const NameRule kTransport{8, 8, false, "_", "_", kSasReserved};

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

// The characters of name the rule allows; a character beyond ASCII is kept or dropped whole.
std::string AllowedCharacters(std::string_view name, const NameRule& rule) {
    std::string kept;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        const std::size_t length = std::max<std::size_t>(1, Utf8SequenceLength(c));
        const bool allowed = c >= 0x80 ? rule.nonAscii && length > 1
                                       : IsLetter(c) || IsDigit(c) || rule.others.find(static_cast<char>(c)) != std::string_view::npos;
        if (allowed) kept.append(name.substr(i, length));
        i += length;
    }
    return kept;
}

bool Reserved(std::string_view name, const NameRule& rule) {
    const std::string folded = Folded(name);
    for (std::string_view word : rule.reserved)
        if (Folded(word) == folded) return true;
    return false;
}

std::string Fitted(std::string_view name, int number, const NameRule& rule) {
    std::string fitted = AllowedCharacters(name, rule);
    while (!fitted.empty() && fitted.back() == '.') fitted.pop_back();  // a period ends a command
    if (fitted.empty()) return "V" + std::to_string(number);
    const auto first = static_cast<unsigned char>(fitted[0]);
    const bool starts = IsLetter(first) || (first >= 0x80 && rule.nonAscii) ||
                        rule.firsts.find(static_cast<char>(first)) != std::string_view::npos;
    if (!starts) fitted.insert(0, "V");
    if (Reserved(fitted, rule)) fitted += '_';
    return std::string(CutText(fitted, rule.maxCharacters, rule.maxBytes));
}

// name, or name cut to leave room for the first free suffix _2, _3 ...
std::string Free(const std::string& name, const NameRule* rule, std::set<std::string>& taken) {
    std::string candidate = name;
    for (int k = 2; !taken.insert(Folded(candidate)).second; ++k) {
        const std::string suffix = "_" + std::to_string(k);
        std::string_view base = name;
        if (rule) base = CutText(name, rule->maxCharacters - suffix.size(), rule->maxBytes - suffix.size());
        candidate = std::string(base) + suffix;
    }
    return candidate;
}

}  // namespace

const NameRule& SpssNames() { return kSpss; }
const NameRule& StataNames() { return kStata; }
const NameRule& TransportNames() { return kTransport; }

std::string_view CutText(std::string_view text, std::size_t maxCharacters, std::size_t maxBytes) {
    std::size_t end = 0, characters = 0;
    while (end < text.size() && characters < maxCharacters) {
        const std::size_t length = std::max<std::size_t>(1, Utf8SequenceLength(static_cast<unsigned char>(text[end])));
        if (end + length > maxBytes || end + length > text.size()) break;
        end += length;
        ++characters;
    }
    return text.substr(0, end);
}

ForeignNames NamesForForm(const FileImage& image, const NameRule* rule) {
    ForeignNames names;
    std::set<std::string> taken;
    for (int v = 1; v <= image.variableCount; ++v) {
        const std::string& original = image.variable(v).name;
        if (!rule) {
            taken.insert(Folded(original));
            names.variables.push_back(original);
            continue;
        }
        std::string name = Free(Fitted(original, v, *rule), rule, taken);
        if (name != original) names.changes.push_back("変数名「" + original + "」→「" + name + "」");
        names.variables.push_back(std::move(name));
    }
    names.caseColumn = Free("case", rule, taken);
    return names;
}

}  // namespace zoriduvo
