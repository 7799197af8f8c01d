#pragma once
#include <QIcon>

namespace zoriduvo {

// The program's own icons (resources/icons): a toolbar key as "fileNew", or "program" for the
// window icon.
QIcon ProgramIcon(const char* name);

}  // namespace zoriduvo
