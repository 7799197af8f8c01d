// Unsaved work kept against a crash. Every sheet with unsaved changes is written into the folder
// of this run (one file per sheet, readable by the user alone); a normal end removes the folder.
// A run holds a lock on a file in its folder for as long as it lives, so a folder whose lock can
// be taken was left by a run that died, whatever process ids came and went since.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"
#include "files/RecoveryFile.h"

namespace zoriduvo {

class App;

// One sheet as it was when the snapshot was taken, ready to be written on any thread.
struct RecoveryEntry {
    int sheet = 0;
    FileImage image;
    RecoveryRecord record;
};

struct RecoverySnapshot {
    std::string folder;
    std::vector<RecoveryEntry> sheets;  // the modified ones
    std::vector<int> unmodified;        // open sheets whose recovery files go
};

// Gathers the modified sheets (the quick part, on the thread that owns the sheets).
RecoverySnapshot TakeRecoverySnapshot(App& app, const std::string& runFolder);
// Writes every sheet of the snapshot through the safe save and removes the files of sheets saved
// meanwhile. A sheet that cannot be written does not keep the others from being written; the
// first problem is returned.
std::optional<FileProblem> WriteRecoverySnapshot(const RecoverySnapshot& snapshot);
// The file of one sheet goes (closed without saving on the user's word, or saved).
void ForgetRecoveredSheet(const std::string& runFolder, int sheet);

// The folder of this run under root, locked while the object lives. Root and run folder are made
// readable by the user alone. folder() is empty when no folder could be made.
class RecoveryRun {
public:
    explicit RecoveryRun(const std::string& root);
    ~RecoveryRun();  // the lock goes; the files stay unless removeAll() ran
    RecoveryRun(const RecoveryRun&) = delete;
    RecoveryRun& operator=(const RecoveryRun&) = delete;

    const std::string& folder() const { return folder_; }
    // The program ends normally: nothing of this run is left to recover.
    void removeAll();

private:
    std::string folder_;
    int lock_ = -1;
};

// A sheet a run that died left behind.
struct RecoveredSheet {
    std::string filePath;
};

// The sheets that runs which died left, with those runs' locks held while it lives: a second
// program starting at the same moment takes them for alive and neither offers nor takes them.
class LeftSheets {
public:
    LeftSheets() = default;
    LeftSheets(LeftSheets&&) = default;
    LeftSheets& operator=(LeftSheets&&) = delete;
    ~LeftSheets();

    std::vector<RecoveredSheet> sheets;
    std::vector<int> locks;
};

// The sheet files in the run folders under root whose run is dead. Only regular files of a bounded
// size in folders of ours are taken; anything else is skipped and left alone.
LeftSheets FindLeftSheets(const std::string& root);
// Opens one as a new sheet with unsaved changes and moves its file into runFolder as that sheet's,
// so that it stays until the sheet is saved or closed. False, with the problem told and the file
// left in place, when it cannot be read. The sheet saves to its recorded path without asking only
// when that path holds a vo-Data file of the user's.
bool RestoreLeftSheet(App& app, const RecoveredSheet& sheet, const std::string& runFolder);
// Removes the file of one, and its run folder once nothing else is in it.
void DiscardLeftSheet(const RecoveredSheet& sheet);

}  // namespace zoriduvo
