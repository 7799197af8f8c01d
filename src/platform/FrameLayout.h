// The start-up geometry of the frame on a screen and of a sheet window in the frame, in twips.
#pragma once
#include "platform/Twips.h"

namespace zoriduvo {

// The frame's start-up size and position on a screen of the given size, all in twips.
TwipRect FrameGeometry(int screenWidth, int screenHeight);
// A sheet window's size from the frame's inner size: seven eighths each way.
TwipRect SheetWindowGeometry(int innerWidth, int innerHeight);

}  // namespace zoriduvo
