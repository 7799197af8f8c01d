// An App on quiet platform fakes for the benchmarks: no window, no clipboard, a fixed clock.
#pragma once
#include <optional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo::bench {

// Counts messages instead of showing them; a benchmark whose operation told the user anything
// measured the wrong thing and says so.
class QuietUi : public Ui {
public:
    Answer message(const std::string& text, const std::string&, MessageIcon, MessageButtons) override {
        ++messages;
        lastMessage = text;
        return Answer::Ok;
    }
    void beep() override {}
    void setBusy(bool) override {}
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    int messages = 0;
    std::string lastMessage;
};

class NoClipboard : public Clipboard {
public:
    void clear() override {}
    void setText(const std::string&) override {}
    std::string text() const override { return {}; }
};

class FixedClock : public Clock {
public:
    std::int64_t now() const override { return 1'700'000'000; }
};

// An App started as the program starts it: sheet 1 blank and active.
struct BenchApp {
    BenchApp();
    QuietUi ui;
    NoClipboard clipboard;
    FixedClock clock;
    SeededRandom random{clock};
    App app{ui, clipboard, clock, random};
};

}  // namespace zoriduvo::bench
