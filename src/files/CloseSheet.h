#pragma once

namespace zoriduvo {

class App;
class Sheet;

// Runs whenever a sheet is about to close: asks about unsaved changes, then does the bookkeeping.
// Returns true when the sheet must stay open.
bool CloseSheetQuery(App& app, Sheet& sheet);

}  // namespace zoriduvo
