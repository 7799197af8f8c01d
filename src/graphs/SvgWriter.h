// A display list as an SVG document: the vector form of a saved graph, Qt-free.
#pragma once
#include <string>

#include "platform/DisplayList.h"

namespace zoriduvo {

// The document's user units are twips; width and height are given in pixels (15 twips each).
std::string SvgOf(const DisplayList& list);

}  // namespace zoriduvo
