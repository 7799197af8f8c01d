#pragma once
#include <QPointer>
#include <QWidget>

#include "platform/Ui.h"

namespace zoriduvo {

class QtUi : public Ui {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // Where the file dialogs open until the user picks a file elsewhere.
    void setFolder(const QString& folder) { folder_ = folder; }
    Answer message(const std::string& text, const std::string& title, MessageIcon icon,
                   MessageButtons buttons) override;
    void beep() override;
    void setBusy(bool busy) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    std::optional<int> chooseItem(const std::string& title, const std::string& text,
                                  const std::vector<std::string>& items) override;

private:
    std::optional<std::string> runFileDialog(const FileDialogRequest& request, bool save);
    QWidget* owner() const;
    QPointer<QWidget> parent_;
    QString folder_;
};

// "desc|pattern|desc|pattern|" as a Qt name filter list.
QStringList QtNameFilters(const std::string& filter);

}  // namespace zoriduvo
