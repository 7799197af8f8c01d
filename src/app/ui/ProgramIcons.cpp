#include "app/ui/ProgramIcons.h"

#include <QString>

// The resources live in a static library: nothing would pull them in without this call.
static void LoadIconResources() { Q_INIT_RESOURCE(icons); }

namespace zoriduvo {

QIcon ProgramIcon(const char* name) {
    static const bool loaded = (LoadIconResources(), true);
    (void)loaded;
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}  // namespace zoriduvo
