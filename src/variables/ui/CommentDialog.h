#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace zoriduvo {

class Sheet;

// frmComment: the data comment of the sheet; "戻る" stores it.
class CommentDialog : public QDialog {
    Q_OBJECT
public:
    CommentDialog(Sheet& sheet, QWidget* parent = nullptr);

private:
    Sheet& sheet_;
    QPlainTextEdit* txtComment_;
};

}  // namespace zoriduvo
