#pragma once
#include <QWidget>

#include "platform/qt/ChildWindow.h"
#include "sheet/ui/ViewSelection.h"

class QLineEdit;
class QTableView;
class QItemSelection;
class QMouseEvent;

namespace zoriduvo {

class App;
class Sheet;
class SheetTableModel;
class SheetHeaderView;

// The sheet window frmVo: the data grid grdVo over the sheet's core grid.
class SheetWindow : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    SheetWindow(App& app, Sheet& sheet, QWidget* parent = nullptr);
    int number() const { return number_; }
    QTableView* grid() const { return view_; }
    ChildKind childKind() const override { return ChildKind::Sheet; }
    bool closing() const override { return closing_; }
    QLineEdit* editor() const { return editor_; }
    void showRows(int first, int last) override;
    // Ends an open edit as a click elsewhere does: the value goes into the cell where it began.
    void commitEditor();

signals:
    // A double click on a whole column or a whole row.
    void defineVariableRequested();
    void caseNameRequested();
    // The window is about to close while its sheet is open: the frame asks about unsaved changes
    // and sets keptOpen when the sheet stays.
    void closeRequested(bool* keptOpen);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout();
    void showCursor();
    void scrollAsTheGridAsks();
    void takeSelection();
    void takeScroll();
    void moveCurrent(int row, int col);
    void extendSelection(int key);
    bool shiftClick(QObject* watched, QMouseEvent* event);
    void takeColumnWidth(int section, int pixels);
    int px(int twips, bool vertical) const;
    bool gridKey(QKeyEvent* event);
    bool editorKey(QKeyEvent* event);
    bool editorShortcut(QKeyEvent* event);
    void openEditor(const std::string& text);
    void hideEditor();
    void doubleClicked();

    App& app_;
    Sheet& sheet_;
    int number_;
    QTableView* view_;
    SheetTableModel* model_;
    SheetHeaderView* across_;
    SheetHeaderView* down_;
    QLineEdit* editor_;
    // What the view last showed of the grid, so that it scrolls only when the grid moved.
    SelectionCorners shown_{-1, -1, -1, -1};
    int shownTop_ = -1, shownLeft_ = -1;
    bool syncing_ = false;
    bool layingOut_ = false;
    bool closing_ = false;
};

}  // namespace zoriduvo
