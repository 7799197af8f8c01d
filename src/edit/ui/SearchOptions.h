// The direction options shared by frmFind and frmRepla: the frame "検索方向" with the line
// (optCol, optRow) and the way along it (optForward, optBackward).
#pragma once
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "edit/FindReplace.h"
#include "platform/qt/DialogWidgets.h"
#include "platform/qt/QtText.h"

namespace zoriduvo {

class SearchOptions {
public:
    explicit SearchOptions(QWidget* parent) : frame(new QGroupBox(ToQString("検索方向"), parent)) {
        optCol_ = Option("optCol", "列方向", frame);
        optRow_ = Option("optRow", "行方向", frame);
        optForward_ = Option("optForward", "前方検索", frame);
        optBackward_ = Option("optBackward", "後方検索", frame);
        auto* lines = new QButtonGroup(frame);
        lines->addButton(optCol_);
        lines->addButton(optRow_);
        auto* ways = new QButtonGroup(frame);
        ways->addButton(optForward_);
        ways->addButton(optBackward_);
        auto* layout = new QVBoxLayout(frame);
        for (QRadioButton* option : {optCol_, optRow_, optForward_, optBackward_}) layout->addWidget(option);
        optCol_->setChecked(true);
        optForward_->setChecked(true);
    }

    void setLine(SearchLine line) { (line == SearchLine::Column ? optCol_ : optRow_)->setChecked(true); }
    Search search(const QString& value) const {
        return {optRow_->isChecked() ? SearchLine::Row : SearchLine::Column, !optBackward_->isChecked(), ToUtf8(value)};
    }

    QGroupBox* frame;

private:
    QRadioButton *optCol_, *optRow_, *optForward_, *optBackward_;
};

}  // namespace zoriduvo
