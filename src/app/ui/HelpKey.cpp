#include "app/ui/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <map>

#include "app/ui/HelpViewer.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
// Windows by their control name, each at the section of the command that opens it.
const std::map<QString, QString>& Sections() {
    static const std::map<QString, QString> sections{
        {"frmFind", "mnuEFind"},         {"frmRepla", "mnuEReplace"},      {"frmJump", "mnuEJump"},
        {"frmInsert", "mnuEInsert"},     {"frmDelete", "mnuEDelete"},      {"frmCRange", "mnuDRange"},
        {"frmGSort", "mnuDSort"},        {"frmRand", "mnuORnd"},           {"frmGPlot", "mnuGScatter"},
        {"frmGBox", "mnuGBox"},          {"frmGIndex", "mnuGIndex"},       {"frmAbout", "mnuHAbout"},
        {"frmCGroup", "mnuDCGroup"},     {"frmCatComp", "mnuDCombine"},    {"frmVBind", "mnuDBind"},
        {"frmTrans", "transform"},       {"frmImport1", "mnuFImport"},     {"frmImport2", "mnuFImport"},
        {"frmSetFData", "mnuFImport"},   {"frmFileView", "mnuFImport"},    {"frmExport", "mnuFExport"},
        {"frmPrinting", "mnuFPrint"},    {"frmPrintPreview", "mnuFPrintPreview"},
        {"frmVarLbl", "mnuDDefine"},     {"frmComment", "mnuDComment"},    {"frmCName", "mnuDCaseNames"},
        {"frmStat", "mnuVStat"},         {"frmVtype", "mnuDTypes"},        {"frmFLabel", "mnuDFileLabel"},
        {"frmLabelG", "mnuVLabelMake"},  {"frmLabelE", "mnuVLabelDelete"}, {"frmMissFrom", "mnuDToBlank"},
        {"frmMissTo", "mnuDFromBlank"},  {"frmMissCode", "mnuDBlankCode"}, {"frmFileInfo", "mnuVFileInfo"},
        {"frmVarInfo", "mnuVVarInfo"},   {"frmVo", "sheet"},               {"frmGraph", "menuGraph"},
    };
    return sections;
}
}  // namespace

QString HelpAnchorFor(const QWidget* window, const QMdiArea& windows) {
    const QWidget* shown = window;
    // In the frame, the active child window says where the user is.
    if (!shown || shown == windows.window()) {
        const QMdiSubWindow* child = windows.activeSubWindow();
        shown = child ? child->widget() : nullptr;
    }
    if (!shown) return "contents";
    auto it = Sections().find(shown->objectName());
    return it == Sections().end() ? QString("contents") : it->second;
}

HelpKey::HelpKey(App& app, QWidget& frame, QMdiArea& windows)
    : QObject(&frame), app_(app), frame_(frame), windows_(windows) {
    qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* active = modal ? modal : QApplication::activeWindow();
    if (active && active->objectName() == "helpViewer") return true;
    // Beside a modal dialog the guide opens as that dialog's own window, which the dialog does not block.
    ShowHelp(app_.ui, modal ? *modal : frame_, QCoreApplication::applicationDirPath(), HelpAnchorFor(active, windows_));
    return true;
}

}  // namespace zoriduvo
