#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

inline constexpr const char* kRangeStep = "範囲指定";

class App;
class Sheet;

// The rules of the range dialog frmCRange, without its widgets.
class RangeSelection {
public:
    enum class Outcome { Set, Removed, Refused };

    // The start values: a whole-row selection, else all cases, else the stored range.
    explicit RangeSelection(const Sheet& sheet);

    int caseCount() const { return caseCount_; }
    int from() const { return from_; }
    int to() const { return to_; }
    bool rangeSet() const { return rangeSet_; }
    // lblNow: " あり  [ 3- 10]" or " なし ".
    std::string stateText() const;

    // "実行" with the texts of txtFrom and txtTo. 1 .. n removes the range; a range outside
    // 1 .. n or reversed is refused with a beep and "入力データに誤りがあります", and from() and
    // to() keep the values the boxes should get back.
    Outcome execute(App& app, Sheet& sheet, std::string_view fromText, std::string_view toText);

    // "現在の設定を解除".
    static void Remove(Sheet& sheet);
    static void Store(Sheet& sheet, int first, int last);

private:
    int caseCount_;
    int from_, to_;
    bool rangeSet_;
    int storedFirst_, storedLast_;
};

}  // namespace zoriduvo
