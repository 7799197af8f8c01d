#pragma once
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace zoriduvo {

class App;

// The import dialog frmImport1 (modal): a file, its layout, and the ways to the detailed and the
// fixed-width settings.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportDialog(App& app, QWidget* parent = nullptr);
    // The label question after a text import was answered Yes.
    bool labelsWanted() const { return labelsWanted_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string path() const;
    void browse();
    void execute();
    void openDetails();
    void openFixedWidth();
    void look();

    App& app_;
    QLineEdit* txtFileName_;
    QLineEdit* txtData_[2];
    QRadioButton* optDataOnly_;
    QRadioButton* optIndexData_;
    QRadioButton* optMirv_;
    bool labelsWanted_ = false;
};

}  // namespace zoriduvo
