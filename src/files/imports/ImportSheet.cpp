#include "files/imports/ImportSheet.h"

#include "files/SheetLoader.h"
#include "sheet/App.h"
#include "text/PathText.h"
#include "text/Trim.h"

namespace zoriduvo {

std::string ImportedCaption(const std::string& path) {
    const std::string name(Trim(FileNameOf(path)));
    return name.substr(0, name.find('.')) + ".Vo";
}

int LoadImportedImage(App& app, const FileImage& image, const std::string& caption) {
    LoadOptions options;
    options.hasFile = false;
    const int n = LoadImageIntoSheet(app, image, options);
    if (n == 0) return 0;
    Sheet& sheet = app.sheet(n);
    sheet.setCaption(caption);
    sheet.setModified(true);
    return n;
}

}  // namespace zoriduvo
