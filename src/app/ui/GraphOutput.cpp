#include "app/ui/GraphOutput.h"

#include <QBuffer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/FileProblem.h"
#include "files/SafeSave.h"
#include "files/print/PrintCommand.h"
#include "files/print/PrintMessages.h"
#include "graphs/GraphFiles.h"
#include "graphs/ui/GraphWindow.h"
#include "platform/Ui.h"
#include "platform/qt/FrameContext.h"
#include "sheet/App.h"
#include "sheet/Commands.h"

namespace zoriduvo {

namespace {

void SaveGraphPdf(App& app, const GraphWindow& graph) {
    const auto path = app.ui.saveFileName(PdfFileRequest(graph.caption()));
    if (!path) return;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QString());
    if (!graph.paintPage(writer)) {
        app.ui.show(MessageOf(PrintMessage::Failed));
        return;
    }
    buffer.close();
    if (auto problem = SaveFileSafely(*path, std::string_view(data.constData(), static_cast<std::size_t>(data.size()))))
        ShowFileProblem(app.ui, *problem);
}

}  // namespace

void SaveGraph(App& app, const GraphWindow& graph) {
    FileDialogRequest request;
    request.title = "ファイルの保存";
    request.filter = std::string(kPictureFilter);
    request.defaultExtension = "bmp";
    request.askBeforeOverwrite = true;
    const auto path = app.ui.saveFileName(request);
    if (!path) return;
    if (auto problem = SaveFileSafely(*path, graph.pictureFile(PictureFormOf(*path))))
        ShowFileProblem(app.ui, *problem);
}

void PrintGraph(App& app, const GraphWindow& graph) {
    // Without a printer the page goes to a PDF, as the sheet's printing offers.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        if (app.ui.show(MessageOf(PrintMessage::NoPrinter), MessageButtons::YesNo) == Answer::Yes)
            SaveGraphPdf(app, graph);
        return;
    }
    QPrinter printer;
    if (!graph.paintPage(printer)) app.ui.show(MessageOf(PrintMessage::Failed));
}

void RegisterGraphOutputCommands(CommandTable& commands, FrameContext& context) {
    App& app = commands.app();
    QMdiArea& windows = context.windows;
    const auto onGraph = [&app, &windows](void (*act)(App&, const GraphWindow&)) {
        return [&app, &windows, act] {
            QMdiSubWindow* window = windows.activeSubWindow();
            if (auto* graph = window ? dynamic_cast<GraphWindow*>(window->widget()) : nullptr) act(app, *graph);
        };
    };
    commands.add(CommandId(CommandScope::GraphMenus, "mnuFSave"), onGraph(&SaveGraph));
    commands.add(CommandId(CommandScope::GraphMenus, "mnuFPrint"), onGraph(&PrintGraph));
}

}  // namespace zoriduvo
