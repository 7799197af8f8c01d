#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Ui.h"

namespace zoriduvo {

// The Ui of the programs without a window (the command line, the print helper): messages go to
// standard error, questions are answered No (nothing is ever saved or discarded behind the user's
// back) and file dialogs are cancelled.
class ConsoleUi : public Ui {
public:
    explicit ConsoleUi(std::ostream& errors) : errors_(errors) {}
    Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                   MessageButtons buttons) override;
    void beep() override {}
    void setBusy(bool) override {}
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return std::nullopt; }

private:
    std::ostream& errors_;
};

class ConsoleClipboard : public Clipboard {
public:
    void clear() override { text_.clear(); }
    void setText(const std::string& text) override { text_ = text; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

}  // namespace zoriduvo
