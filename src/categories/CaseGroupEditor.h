#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kCaseGroupTitle = "ケースグループ";

// The case-group dialog frmCGroup without its widgets: the working size list, the group being
// defined and every rule of the dialog's buttons and fields. The dialog shows view() after each
// operation and passes the user's edits of the end and count fields in as they happen.
// The groups of these sizes, as one step; sizes below 1 or not adding up to the case count are
// refused (false, nothing changed). One size removes the grouping.
bool GroupCases(Sheet& sheet, const std::vector<int>& sizes);
// No groups any more, as one step.
void UngroupCases(Sheet& sheet);

class CaseGroupEditor {
public:
    enum class Mode { Display, Defining, Complete };

    struct View {
        std::vector<std::string> lines;  // lstCGroup, one line per completed group
        int selected = 0;                // the selected line, 1-based; 0 when none is
        std::string start, end, count;   // txtCGroupS, txtCGroupE, txtCGroupC
        int spinMinimum = 1, spinMaximum = 1, spinValue = 1;  // VScroll1
        bool restShown = false;          // lblRestS, lblRestE, lblRestC with their captions
        std::string restStart, restEnd, restCount;
        bool summaryShown = false;       // lblCG and lblGroupN
        std::string summaryPrefix = "現在 ";
        int summaryNumber = 0;
        bool defining = false;           // frameCG with cmdCGroup and cmdRest
        bool correctionHeading = false;  // lblRep
        bool correctShown = false, correctEnabled = false;  // cmdRep
        bool joinEnabled = false;        // cmdJoint
        bool applyEnabled = false;       // cmdExec
        bool removeShown = false;        // cmdRemo
    };

    // The dialog cannot work on a sheet without cases: says so and returns false.
    static bool CanOpen(App& app, const Sheet& sheet);

    // Opening: display mode on a grouped sheet, groups pre-defined from a whole-row selection,
    // or a fresh definition starting at case 1.
    CaseGroupEditor(App& app, Sheet& sheet);

    const View& view() const { return view_; }
    Mode mode() const;
    const std::vector<int>& sizes() const { return sizes_; }
    int assigned() const { return assigned_; }

    void countEdited(const std::string& text);
    void endEdited(const std::string& text);
    // The spinner moved to this value.
    void spun(int value);
    bool add();  // "追加"; false when refused
    void rest();  // "残り全て"
    void selectLine(int line);
    void correct();  // "修正"
    void join();     // "上のｸﾞﾙｰﾌﾟと結合"
    // "実行" and "現在の設定を解除": true when the sheet changed and the dialog closes.
    bool apply();
    bool remove();

private:
    void openDisplay(const std::vector<int>& sizes);
    void predefineFromSelection();
    void beginGroup();
    void showGroup(int end);
    std::string line(int start, int end, int size) const;
    void rebuildLines();

    App& app_;
    Sheet& sheet_;
    int n_;
    std::vector<int> sizes_;
    int assigned_ = 0;
    View view_;
};

}  // namespace zoriduvo
