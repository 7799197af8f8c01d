#include "app/ui/RecoveryKeeper.h"

#include <signal.h>
#include <unistd.h>

#include <QStandardPaths>
#include <filesystem>

#include "app/AppMessages.h"
#include "app/ui/CommandRegistry.h"
#include "files/FileMessages.h"
#include "files/Recovery.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
constexpr int kIntervalMs = 2 * 60 * 1000;

bool RunAlive(int pid) { return pid == getpid() || kill(pid, 0) == 0; }

// The commands that rewrite much at once: what they change is kept first.
bool Risky(const std::string& command) {
    return command == "mnuDTrans" || command == "mnuFMergeCases" || command == "mnuFMergeVariables";
}
}  // namespace

RecoveryKeeper::RecoveryKeeper(App& app, CommandRegistry& commands, std::string root)
    : app_(app), root_(std::move(root)) {
    if (root_.empty())
        root_ = ToUtf8(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/recovery";
    runFolder_ = root_ + "/" + std::to_string(getpid());
    connect(&timer_, &QTimer::timeout, this, [this] { keep(); });
    timer_.start(kIntervalMs);
    commands.beforeEachRun([this](const std::string& name) {
        if (Risky(name)) keep();
    });
    app_.bus.subscribe(this);
}

RecoveryKeeper::~RecoveryKeeper() {
    app_.bus.unsubscribe(this);
    waitForWriter();
}

void RecoveryKeeper::waitForWriter() {
    if (writer_.joinable()) writer_.join();
}

void RecoveryKeeper::keep() {
    waitForWriter();
    // Gathering is quick and must see the sheets as they are; encoding and writing is not.
    auto snapshot = std::make_shared<RecoverySnapshot>(TakeRecoverySnapshot(app_, runFolder_));
    // A failed write (out of memory included) only leaves the last recovery files in place: it must
    // not end the program whose work they keep.
    writer_ = std::thread([snapshot] {
        try {
            WriteRecoverySnapshot(*snapshot);
        } catch (...) {
        }
    });
}

void RecoveryKeeper::finish() {
    timer_.stop();
    waitForWriter();
    std::error_code error;
    std::filesystem::remove_all(runFolder_, error);
}

void RecoveryKeeper::offerLeftSheets() {
    const std::vector<RecoveredSheet> left = FindLeftSheets(root_, RunAlive);
    if (left.empty()) return;
    Message offer = MessageOf(AppMessageCode::RecoveryOffer);
    offer.text = FillIn(offer.text, {std::to_string(left.size())});
    const bool restore = app_.ui.show(offer, MessageButtons::YesNo) == Answer::Yes;
    for (const RecoveredSheet& sheet : left)
        if (!restore || RestoreLeftSheet(app_, sheet)) DiscardLeftSheet(sheet);
}

void RecoveryKeeper::modelChanged(const ModelChange& change) {
    // A closed sheet was saved or given up on the user's word: nothing of it is to be recovered.
    if (change.kind == ChangeKind::SheetClosed) {
        waitForWriter();
        ForgetRecoveredSheet(runFolder_, change.sheet);
    }
}

}  // namespace zoriduvo
