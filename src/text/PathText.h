// Parts of a path as text: the file name, its stem and extension. No file system is asked.
#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

// The part of a path after its last directory separator.
inline std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The file name without its extension; a leading dot does not start an extension.
inline std::string FileStemOf(std::string_view path) {
    std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot != 0) name.resize(dot);
    return name;
}

// The extension with its dot (".vo"), empty when the file name has none.
inline std::string FileExtensionOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    return name.substr(FileStemOf(name).size());
}

// ASCII letters lowered; other characters unchanged (captions of opened files).
inline std::string LowerCaseAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

inline bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    return LowerCaseAscii(text.substr(text.size() - suffix.size())) == LowerCaseAscii(suffix);
}

}  // namespace zoriduvo
