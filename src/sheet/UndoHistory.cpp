#include "sheet/UndoHistory.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/Clock.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "text/Sha256.h"

namespace zoriduvo {

namespace {
const std::string kNoName;

std::string FileSha256(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    Sha256 hash;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) hash.add({buffer, static_cast<std::size_t>(in.gcount())});
    return in.bad() ? std::string() : hash.hex();
}
}  // namespace

void UndoHistory::begin(const std::string& name) {
    if (depth_++ > 0 || !keeping_) return;
    // The saved point is a state the sheet was unmodified in: an imported, transposed or restored
    // sheet that no file holds stays modified whatever is undone.
    if (saved_ == position_ && sheet_.modified()) saved_.reset();
    if (!originTaken_) takeOrigin();
    open_.emplace();
    open_->name = name;
    open_->time = sheet_.app().clock.now();
    open_->before = take();
    own_ = {0, open_->before};
    recording_.emplace(journal_, open_->entries);
}

void UndoHistory::markSaved() {
    saved_ = position_;
    savedTime_ = sheet_.app().clock.now();
}

void UndoHistory::takeOrigin() {
    originTaken_ = true;
    const std::string& path = sheet_.information().path;
    // Only an unmodified sheet is what its file holds (a restored one is not); a CSV file is read
    // without becoming the sheet's file, but the command line reads it the same way.
    const bool fromFile = sheet_.statisticsAndFile().hasFile || sheet_.information().formatTag == "CSV";
    if (fromFile && !sheet_.modified() && !path.empty() && path.front() == '/')
        origin_ = {HistoryOrigin::Kind::File, path, FileSha256(path)};
    else if (!fromFile && sheet_.lastRow() <= 1 && sheet_.lastColumn() <= 1) origin_ = {HistoryOrigin::Kind::Empty, {}, {}};
    else origin_ = {HistoryOrigin::Kind::Other, {}, {}};
}

void UndoHistory::record(StepCommand command) {
    // Cells outside the data are not the file's: a "set" of none does nothing to it.
    if (command.subcommand == "set" && command.options.empty() && command.cells.empty()) return;
    if (open_) open_->commands.push_back(std::move(command));
}

UndoHistory::Mark UndoHistory::mark() const {
    return {open_ ? open_->entries.entries.size() : 0, take()};
}

bool UndoHistory::changedSince(const Mark& mark) const {
    if (!open_ || open_->entries.entries.size() != mark.entries) return true;
    Records now = take();
    now.state.modified = mark.records.state.modified;
    return now != mark.records;
}

void UndoHistory::ownWorkBegins() {
    if (depth_ == 1 && open_) own_ = mark();
}

void UndoHistory::end(bool changedData) {
    if (depth_ == 0) return;
    if (open_) open_->changedData = open_->changedData || changedData;
    if (--depth_ > 0 || !open_) return;
    const bool changedNothing = !changedSince(own_);
    recording_.reset();
    Step step = std::move(*open_);
    open_.reset();
    step.after = take();
    if (changedNothing) {
        takeBack(step);
        return;
    }
    // A new step drops the undone ones.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().entries.bytes;
        steps_.pop_back();
    }
    if (saved_ && *saved_ > position_) saved_.reset();
    bytes_ += step.entries.bytes;
    steps_.push_back(std::move(step));
    ++position_;
    trim();
    tell();
}

void UndoHistory::trim() {
    while (steps_.size() > 1 && (steps_.size() > kMaxSteps || (bytes_ > kMaxBytes && steps_.size() > 100))) {
        bytes_ -= steps_.front().entries.bytes;
        steps_.pop_front();
        --position_;
        startLost_ = true;
        if (saved_) saved_ = *saved_ > 0 ? std::optional<std::size_t>(*saved_ - 1) : std::nullopt;
    }
}

const std::string& UndoHistory::undoName() const { return canUndo() ? steps_[position_ - 1].name : kNoName; }
const std::string& UndoHistory::redoName() const { return canRedo() ? steps_[position_].name : kNoName; }

void UndoHistory::undo() {
    if (!canUndo()) return;
    Step& step = steps_[--position_];
    travel(step, step.before);
    tell();
}

void UndoHistory::redo() {
    if (!canRedo()) return;
    Step& step = steps_[position_++];
    travel(step, step.after);
    tell();
}

// Runs the step's records (which turns them into their own inverse) and puts the records back.
void UndoHistory::travel(Step& step, const Records& to) {
    Grid::BulkChange bulk(sheet_.grdVo);
    bytes_ -= step.entries.bytes;
    step.entries = journal_.replay(std::move(step.entries));
    bytes_ += step.entries.bytes;
    put(to);
}

void UndoHistory::takeBack(Step& step) {
    if (!step.entries.entries.empty()) {
        Grid::BulkChange bulk(sheet_.grdVo);
        journal_.replay(std::move(step.entries));
    }
    put(step.before);
    sheet_.setModified(step.before.state.modified);
}

bool UndoHistory::matchesFile() const {
    if (!saved_) return false;
    const std::size_t from = std::min(*saved_, position_), to = std::max(*saved_, position_);
    return std::none_of(steps_.begin() + from, steps_.begin() + to, [](const Step& s) { return s.changedData; });
}

void UndoHistory::clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
    bytes_ = 0;
    origin_ = {};
    originTaken_ = startLost_ = false;
    tell();
}

// The menus name the steps to undo and redo.
void UndoHistory::tell() const { sheet_.app().bus.publish({ChangeKind::Flags, sheet_.number()}); }

UndoHistory::Records UndoHistory::take() const {
    Records r;
    r.endCells[0] = sheet_.endCell(0);
    r.endCells[1] = sheet_.endCell(1);
    r.comment = sheet_.comment();
    r.state = sheet_.state();
    r.statisticsAndFile = sheet_.statisticsAndFile();
    r.information = sheet_.information();
    return r;
}

void UndoHistory::put(const Records& r) {
    const bool wasModified = sheet_.modified();
    sheet_.setEndCell(0, r.endCells[0]);
    sheet_.setEndCell(1, r.endCells[1]);
    sheet_.setComment(r.comment);
    sheet_.information() = r.information;
    sheet_.statisticsAndFile().hasFile = r.statisticsAndFile.hasFile;
    SheetState state = r.state;
    state.modified = wasModified;
    state.blank = sheet_.blank();
    sheet_.state() = state;
    sheet_.setBlank(r.state.blank);
    sheet_.setStatisticsValid(r.statisticsAndFile.statisticsValid);
    sheet_.setModified(!matchesFile());
}

}  // namespace zoriduvo
