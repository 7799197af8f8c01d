// Unsaved work kept against a crash. Every sheet with unsaved changes is written into the folder
// of this run (one vo-Data file and a small record per sheet); a normal end removes the folder.
// A folder left by a run that is no longer alive holds what that run had not saved.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"

namespace zoriduvo {

class App;

// One sheet as it was when the snapshot was taken, ready to be written on any thread.
struct RecoveryEntry {
    int sheet = 0;
    FileImage image;
    std::string caption, path, fileLabel;
    bool hasFile = false;
};

struct RecoverySnapshot {
    std::string folder;
    std::vector<RecoveryEntry> sheets;  // the modified ones
    std::vector<int> unmodified;        // open sheets whose recovery files go
};

// Gathers the modified sheets (the quick part, on the thread that owns the sheets).
RecoverySnapshot TakeRecoverySnapshot(App& app, const std::string& runFolder);
// Writes the snapshot through the safe save and removes the files of sheets saved meanwhile.
std::optional<FileProblem> WriteRecoverySnapshot(const RecoverySnapshot& snapshot);
// The files of one sheet go (closed without saving on the user's word, or saved).
void ForgetRecoveredSheet(const std::string& runFolder, int sheet);

// A sheet a run left behind.
struct RecoveredSheet {
    std::string dataPath, recordPath;
    std::string caption, path, fileLabel;
    bool hasFile = false;
};

// The sheets left in the run folders under root whose run is not alive (alive(pid) says so).
std::vector<RecoveredSheet> FindLeftSheets(const std::string& root, bool (*alive)(int pid));
// Opens one as a new sheet with unsaved changes; false, with the problem told and the files left
// in place, when it cannot be read.
bool RestoreLeftSheet(App& app, const RecoveredSheet& sheet);
// Removes the files of one, and its run folder once empty.
void DiscardLeftSheet(const RecoveredSheet& sheet);

}  // namespace zoriduvo
