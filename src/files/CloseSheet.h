#pragma once

namespace zoriduvo {

class App;
class Sheet;

enum class CloseOutcome { Closed, KeptOpen };

// Runs whenever a sheet is about to close: asks about unsaved changes (Yes saves as Save does),
// then does the bookkeeping. A modified sheet is always asked about; Cancel (or a save that did not
// happen) keeps it open and sets the close-cancelled flag, by which the exit knows to stop.
CloseOutcome CloseSheetQuery(App& app, Sheet& sheet);

}  // namespace zoriduvo
