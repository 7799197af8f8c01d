#pragma once
#include <string>

namespace zoriduvo {

// The system clipboard as text; images stay in the GUI.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
};

}  // namespace zoriduvo
