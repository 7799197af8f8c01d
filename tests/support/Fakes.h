#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo::test {

struct ShownMessage {
    std::string text, title;
    MessageIcon icon;
    MessageButtons buttons;
};

// A Ui that records what it was asked and answers from a script; unscripted questions get Cancel.
class ScriptedUi : public Ui {
public:
    Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                   MessageButtons buttons) override;
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> fileDialogs;
    int beeps = 0;
    int busyDepth = 0;
};

class FakeClipboard : public Clipboard {
public:
    void clear() override { content.clear(); }
    void setText(const std::string& text) override { content = text; }
    std::string text() const override { return content; }
    std::string content;
};

class FixedClock : public Clock {
public:
    std::int64_t now() const override { return seconds; }
    std::int64_t seconds = 1'700'000'000;
};

// An App built on fakes, for headless tests, the benchmarks and the fuzz targets; a test that
// needs the real message boxes or clipboard names its own.
template <typename TheUi = ScriptedUi, typename TheClipboard = FakeClipboard>
struct AppOn {
    TheUi ui;
    TheClipboard clipboard;
    FixedClock clock;
    SeededRandom random{clock};
    App app{ui, clipboard, clock, random};
};
using TestApp = AppOn<>;

// Records every change told on a bus.
class ChangeRecorder : public ModelObserver {
public:
    explicit ChangeRecorder(ChangeBus& bus) : bus_(bus) { bus_.subscribe(this); }
    ~ChangeRecorder() override { bus_.unsubscribe(this); }
    void modelChanged(const ModelChange& change) override { changes.push_back(change); }
    int count(ChangeKind kind) const;
    std::vector<ModelChange> changes;

private:
    ChangeBus& bus_;
};

}  // namespace zoriduvo::test
