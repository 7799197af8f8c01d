// A display list as an SVG document: the vector form of a saved graph, Qt-free.
#pragma once
#include <string>

#include <string_view>

#include "platform/DisplayList.h"
#include "platform/TextMetrics.h"

namespace zoriduvo {

// The document's user units are twips; width and height are given in pixels (15 twips each). Texts
// are placed by the measures of metrics, the ones the list was laid out with, and drawn in family
// where given, else in the Japanese fonts the system comes with: viewers draw what the graph window
// draws.
std::string SvgOf(const DisplayList& list, const TextMetrics& metrics, std::string_view family = {});

}  // namespace zoriduvo
