#pragma once
#include "platform/Clipboard.h"

namespace zoriduvo {

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const std::string& text) override;
    std::string text() const override;
};

}  // namespace zoriduvo
