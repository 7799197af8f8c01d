// The forms a graph's picture is saved in, chosen by the file name the save dialog returns.
#pragma once
#include <string_view>

namespace zoriduvo {

enum class PictureForm { Bmp, Png, Svg };

// The bitmap first, as the save dialog has always offered it.
inline constexpr std::string_view kPictureFilter = "ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)|*.bmp|PNG(*.png)|*.png|SVG(*.svg)|*.svg|";

// ".png" and ".svg" (any case) name their forms; any other name is written as a bitmap.
PictureForm PictureFormOf(std::string_view path);

}  // namespace zoriduvo
