#pragma once
#include <QDialog>
#include <QFont>
#include <string>

namespace zoriduvo {

class App;

// The fixed-pitch Japanese font of file contents, so that columns stand as a ruler counts them.
QFont FixedPitchFont();

// "ﾌｧｲﾙの中身を見る": the file, decoded, read-only inside the program. Tells why when the file
// cannot be shown and returns nullptr; otherwise the window, which deletes itself on closing.
QDialog* ShowFileViewer(App& app, const std::string& path, QWidget* parent);

}  // namespace zoriduvo
