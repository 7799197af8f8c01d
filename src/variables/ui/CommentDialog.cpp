#include "variables/ui/CommentDialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/qt/DialogWidgets.h"
#include "sheet/Sheet.h"
#include "variables/Comment.h"

namespace zoriduvo {

CommentDialog::CommentDialog(Sheet& sheet, QWidget* parent) : QDialog(parent), sheet_(sheet) {
    setObjectName("frmComment");
    setWindowTitle(ToQString(kCommentTitle));
    setModal(true);
    txtComment_ = new QPlainTextEdit(ToQString(sheet.comment()), this);
    txtComment_->setObjectName("txtComment");
    QPushButton* cmdBack = Button("cmdBack", "戻る", this);
    QPushButton* cmdErase = Button("cmdErase", "ｸﾘｱ", this);
    QPushButton* cmdCancel = Button("cmdCancel", "ｷｬﾝｾﾙ", this);
    connect(cmdBack, &QPushButton::clicked, this, [this] {
        SetComment(sheet_, ToUtf8(txtComment_->toPlainText()));
        accept();
    });
    connect(cmdErase, &QPushButton::clicked, txtComment_, &QPlainTextEdit::clear);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtComment_);
    auto* buttons = ButtonRow({cmdBack, cmdErase, cmdCancel});
    layout->addLayout(buttons);
}

}  // namespace zoriduvo
