#include "app/ui/FileDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "files/OpenCommand.h"
#include "platform/qt/QtText.h"
#include "sheet/SheetRegistry.h"

namespace zoriduvo {

namespace {
bool HasLocalFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return true;
    return false;
}
}  // namespace

FileDrop::FileDrop(App& app, QWidget& frame) : QObject(&frame), app_(app) {
    frame.setAcceptDrops(true);
    frame.installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!HasLocalFiles(drag->mimeData())) return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!HasLocalFiles(drop->mimeData())) return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        const QList<QUrl> urls = drop->mimeData()->urls();
        for (const QUrl& url : urls)
            if (url.isLocalFile()) OpenPath(app_, ToUtf8(url.toLocalFile()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zoriduvo
