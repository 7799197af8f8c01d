#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Message.h"

namespace zoriduvo {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    // Pairs of description and pattern separated by "|", as "vo-Data ﾌｧｲﾙ(*.vo)|*.vo|".
    std::string filter;
    std::string defaultExtension;
    bool askBeforeOverwrite = false;
    std::string initialName;
    int filterIndex = 1;  // the pair of the filter chosen when the dialog opens, from 1
};

// Everything the program asks of the user or shows to the user outside its own windows.
class Ui {
public:
    virtual ~Ui() = default;
    virtual Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    // One of items, from 0, chosen by the user; nullopt when cancelled. Where no one can be asked
    // (the command line), the first.
    virtual std::optional<int> chooseItem(const std::string& title, const std::string& text,
                                          const std::vector<std::string>& items) {
        (void)title, (void)text;
        return items.empty() ? std::nullopt : std::optional<int>(0);
    }

    Answer show(const Message& m, MessageButtons buttons = MessageButtons::Ok) {
        return message(m.text, m.title, m.icon, buttons);
    }
};

// The hourglass pointer for the lifetime of the guard, restored on every way out.
class BusyPointer {
public:
    explicit BusyPointer(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyPointer() { ui_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Ui& ui_;
};

}  // namespace zoriduvo
