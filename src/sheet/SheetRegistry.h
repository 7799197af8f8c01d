#pragma once
#include "sheet/Limits.h"

namespace zoriduvo {

class App;
class Sheet;

// Highest sheet number the 16-bit counts allow.

// The smallest free sheet number, growing the per-sheet arrays when none is free; marks it in use.
// Returns 0 when every one of the 32767 numbers is in use.
int FindFreeSheetNumber(App& app);
// Creates, numbers and announces a blank sheet; returns its number (0 when none is left).
int NewSheet(App& app);
bool AnySheetOpen(const App& app);
// The active sheet's number, stored as the current sheet number; 0 when no sheet is active.
int ActiveSheetNumber(App& app);
// The registry's part of closing a sheet: the number is freed and leaves the list of open sheets.
void ForgetClosedSheet(App& app, int number);

}  // namespace zoriduvo
