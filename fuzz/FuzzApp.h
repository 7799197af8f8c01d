// A headless App for the fuzz targets: the user cancels every question, the clock stands still
// and the generator is seeded the same way every run, so an input always takes the same path.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo::fuzz {

class SilentUi : public Ui {
public:
    Answer message(const std::string&, const std::string&, MessageIcon, MessageButtons buttons) override {
        ++messages;
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void beep() override {}
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return std::nullopt; }
    int messages = 0;
    int busyDepth = 0;
};

class NoClipboard : public Clipboard {
public:
    void clear() override { text_.clear(); }
    void setText(const std::string& text) override { text_ = text; }
    std::string text() const override { return text_; }

private:
    std::string text_;
};

class StillClock : public Clock {
public:
    std::int64_t now() const override { return 1'700'000'000; }
};

// The App with sheet 1 made and the generator seeded.
struct FuzzApp {
    FuzzApp() {
        NewSheet(app);
        app.setActiveSheet(1);
        random.seed(1);
    }
    SilentUi ui;
    NoClipboard clipboard;
    StillClock clock;
    SeededRandom random{clock};
    App app{ui, clipboard, clock, random};
};

}  // namespace zoriduvo::fuzz
