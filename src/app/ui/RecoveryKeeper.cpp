#include "app/ui/RecoveryKeeper.h"

#include <QStandardPaths>
#include <QStatusBar>

#include "app/AppMessages.h"
#include "app/RecoveryOffer.h"
#include "platform/qt/QtText.h"
#include "sheet/App.h"
#include "sheet/Commands.h"

namespace zoriduvo {

namespace {
constexpr int kIntervalMs = 2 * 60 * 1000;

// The commands that rewrite much at once: what they change is kept first.
bool Risky(const CommandId& command) {
    return command == CommandId("mnuDTrans") || command == CommandId("mnuFMergeCases") ||
           command == CommandId("mnuFMergeVariables");
}
}  // namespace

RecoveryKeeper::RecoveryKeeper(App& app, CommandTable& commands, std::string root)
    : app_(app), root_(std::move(root)) {
    if (root_.empty())
        root_ = ToUtf8(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) + "/recovery";
    run_ = std::make_unique<RecoveryRun>(root_);
    connect(&timer_, &QTimer::timeout, this, [this] { keep(); });
    timer_.start(kIntervalMs);
    commands.beforeEachRun([this](const CommandId& command) {
        if (Risky(command)) keep();
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
    auto snapshot = std::make_shared<RecoverySnapshot>(TakeRecoverySnapshot(app_, runFolder()));
    // A failed write (out of memory included) leaves the last recovery files in place and is told;
    // it must not end the program whose work they keep.
    writer_ = std::thread([this, snapshot] {
        bool written = false;
        try {
            written = !WriteRecoverySnapshot(*snapshot);
        } catch (...) {
        }
        if (!written) QMetaObject::invokeMethod(this, [this] { tellFailure(); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::tellFailure() {
    if (statusBar_) statusBar_->showMessage(ToQString(MessageOf(AppMessage::RecoveryNotWritten).text));
}

void RecoveryKeeper::finish() {
    timer_.stop();
    waitForWriter();
    run_->removeAll();
}

void RecoveryKeeper::offerLeftSheets() {
    waitForWriter();
    OfferLeftSheets(app_, root_, runFolder());
}

void RecoveryKeeper::modelChanged(const ModelChange& change) {
    // A closed sheet was saved or given up on the user's word: nothing of it is to be recovered.
    if (change.kind == ChangeKind::SheetClosed) {
        waitForWriter();
        ForgetRecoveredSheet(runFolder(), change.sheet);
    }
}

}  // namespace zoriduvo
