#pragma once
#include <string>

namespace zoriduvo {

class App;

// Offers the sheets that runs which died left under root, with three answers: "はい" restores
// them into this run's folder, "いいえ" discards them, "キャンセル" keeps them for the next start.
void OfferLeftSheets(App& app, const std::string& root, const std::string& runFolder);

}  // namespace zoriduvo
