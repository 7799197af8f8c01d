#pragma once

namespace zoriduvo {

class App;
class Sheet;

enum class CloseOutcome { Closed, KeptOpen };

// Runs whenever a sheet is about to close: asks about unsaved changes (Yes saves as Save does),
// then does the bookkeeping.
CloseOutcome CloseSheetQuery(App& app, Sheet& sheet);

}  // namespace zoriduvo
