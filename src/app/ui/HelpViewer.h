#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace zoriduvo {

class Ui;

// Where the guide may be for a program in programDir, in the order looked at: beside the program
// (a build folder, a copied folder), then the data directory of an installed tree.
QStringList HelpFileCandidates(const QString& programDir);
// The first candidate that exists; empty when none does.
QString FindHelpFile(const QString& programDir);

// The guide in the program's own window, one per frame, kept open beside the sheets.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows the document at path, scrolled to the anchor ("contents", "index").
    void showAt(const QString& path, const QString& anchor);
    QTextBrowser& browser() { return *browser_; }
    // The next place of the search field's text after the cursor (before it when backward),
    // starting again at the other end; false, and said below the field, when there is none.
    bool findNext(bool backward = false);

private:
    QLineEdit* find_;
    QLabel* notFound_;
    QTextBrowser* browser_;
};

// Opens the guide found for programDir at the anchor in the frame's viewer; tells the user the
// path looked at when there is no guide.
void ShowHelp(Ui& ui, QWidget& frame, const QString& programDir, const QString& anchor);

}  // namespace zoriduvo
