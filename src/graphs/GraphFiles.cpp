#include "graphs/GraphFiles.h"

#include "text/PathText.h"

namespace zoriduvo {

PictureForm PictureFormOf(std::string_view path) {
    const std::string extension = LowerCaseAscii(FileExtensionOf(path));
    if (extension == ".png") return PictureForm::Png;
    if (extension == ".svg") return PictureForm::Svg;
    return PictureForm::Bmp;
}

}  // namespace zoriduvo
