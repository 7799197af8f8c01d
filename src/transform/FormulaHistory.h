#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

class App;

// The ring itself, kept by the App for the whole program: slots 1..10, index 0 unused.
struct FormulaRing {
    int position = 1;
    std::vector<std::string> texts = std::vector<std::string>(11);
};

// The program-wide ring of the last statements added in frmTrans: ten slots, of which the one at
// the frame's position is kept empty. Up steps back to older statements, Down forward; both wrap
// round the ten slots, the empty one included.
class FormulaHistory {
public:
    static constexpr int kSlots = 10;

    explicit FormulaHistory(App& app);
    void store(const std::string& text);
    const std::string& up();
    const std::string& down();

private:
    FormulaRing& ring() const;
    int position() const;

    App& app_;
    int browse_;
};

}  // namespace zoriduvo
