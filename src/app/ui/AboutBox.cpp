#include "app/ui/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/AppMessages.h"
#include "app/Version.h"
#include "platform/Ui.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

AboutBox::AboutBox(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("frmAbout");
    setWindowTitle(ToQString(kProgramTitle) + " のバージョン情報");
    auto* title = new QLabel(ToQString(kProgramTitle), this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(ToQString(VersionText()), this);
    version->setObjectName("lblVersion");
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("cmdOK");
    QPushButton* info = buttons->addButton("ｼｽﾃﾑ情報(&S)...", QDialogButtonBox::ActionRole);
    info->setObjectName("cmdSysInfo");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this, &AboutBox::startSystemInformation);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addStretch();
    layout->addWidget(buttons);
    ok->setDefault(true);
    // The window manager cuts a caption wider than the box; room for it and the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
}

void AboutBox::startSystemInformation() {
    for (const char* tool : kSystemInformationTools) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    }
    Message message = MessageOf(AppMessage::SystemInformationUnavailable);
    message.title = ToUtf8(windowTitle());
    ui_.show(message);
}

}  // namespace zoriduvo
