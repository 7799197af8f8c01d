#pragma once
#include <utility>
#include <vector>

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace zoriduvo {

class App;
class Sheet;
struct CaseRange;

// The lists both category tools share: the sheet's categorical variables in lstVar, ">>" moving
// the selected ones in their order to the chosen list (up to a limit, refused with a message beyond
// it), "戻す" starting over, and the range label lblNow(1).
class CategoryVariableLists : public QWidget {
    Q_OBJECT
public:
    CategoryVariableLists(const char* chosenName, int limit, QWidget* parent);

    // Refills lstVar from the sheet and empties the chosen list; shows the cases the tool acts on.
    void load(App& app, Sheet& sheet, const CaseRange& cases);
    std::vector<int> chosen() const;
    QListWidget* chosenList() const { return chosen_; }

signals:
    void chosenChanged();

private:
    void choose();
    void refill();

    App* app_ = nullptr;
    int limit_;
    QListWidget* lstVar_;
    QListWidget* chosen_;
    QPushButton* cmdReturn_;
    QLabel* lblNow_;
    std::vector<std::pair<int, QString>> available_;  // variable number and name
};

}  // namespace zoriduvo
