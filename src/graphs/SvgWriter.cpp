#include "graphs/SvgWriter.h"

#include <cmath>
#include <cstdio>
#include <type_traits>

#include "graphs/PlotFrame.h"
#include "text/Utf8.h"

namespace zoriduvo {

namespace {

// Text as XML holds it: the markup characters as entities, and what XML cannot hold at all (control
// characters, U+FFFE and U+FFFF, bytes that are no UTF-8) as U+FFFD, so that every reader takes the file.
std::string XmlText(std::string_view text) {
    constexpr std::string_view kReplacement = "\uFFFD";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8SequenceLength(c);
        if (length == 0 || !IsValidUtf8(text.substr(i, length))) {
            out += kReplacement;
            ++i;
            continue;
        }
        const std::string_view character = text.substr(i, length);
        i += length;
        if (character == "\uFFFE" || character == "\uFFFF" || (c < 0x20 && c != '\t' && c != '\n' && c != '\r') ||
            c == 0x7F) {
            out += kReplacement;
            continue;
        }
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += character;
        }
    }
    return out;
}

std::string Colour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

// Widths in user units: viewers that ignore a non-scaling stroke would draw a hairline of one twip,
// a fifteenth of a pixel. The hairline is the one pixel the graph window draws.
std::string Stroke(Rgb c, int width) {
    return " stroke=\"" + Colour(c) + "\" stroke-width=\"" + std::to_string(width > 0 ? width : kTwipsPerPixel) + "\"";
}

std::string Item(const DrawLine& line) {
    return "<line x1=\"" + std::to_string(line.from.x) + "\" y1=\"" + std::to_string(line.from.y) + "\" x2=\"" +
           std::to_string(line.to.x) + "\" y2=\"" + std::to_string(line.to.y) + "\"" +
           Stroke(line.colour, line.penWidth) + "/>";
}

std::string FillOf(Fill fill, Rgb c) { return fill == Fill::Solid ? Colour(c) : "none"; }

std::string Item(const DrawBox& box) {
    return "<rect x=\"" + std::to_string(box.rect.left) + "\" y=\"" + std::to_string(box.rect.top) + "\" width=\"" +
           std::to_string(box.rect.width) + "\" height=\"" + std::to_string(box.rect.height) + "\" fill=\"" +
           FillOf(box.fill, box.colour) + "\"" + Stroke(box.colour, kHairline) + "/>";
}

std::string Item(const DrawCircle& circle) {
    return "<circle cx=\"" + std::to_string(circle.centre.x) + "\" cy=\"" + std::to_string(circle.centre.y) +
           "\" r=\"" + std::to_string(circle.radius) + "\" fill=\"" + FillOf(circle.fill, circle.colour) + "\"" +
           Stroke(circle.colour, kHairline) + "/>";
}

// The baseline placed by the text's measures, as the graph window places it: viewers that ignore
// dominant-baseline would draw a text anchored at its top above where it belongs.
std::string Item(const DrawText& text, const TextMetrics& metrics) {
    const TextStyle& s = text.style;
    const char* anchor = s.across == HAlign::Left ? "start" : s.across == HAlign::Centre ? "middle" : "end";
    const TextExtent extent = metrics.measure(text.text, s.points, s.bold);
    const TextOffset offset = BaselineOffset(s, extent.width, extent.ascent, extent.descent);
    return "<text x=\"" + std::to_string(text.at.x) + "\" y=\"" + std::to_string(text.at.y + std::lround(offset.dy)) +
           "\" font-size=\"" + std::to_string(static_cast<int>(s.points * kTwipsPerPoint)) + "\"" +
           (s.bold ? " font-weight=\"bold\"" : "") + " text-anchor=\"" + anchor + "\" fill=\"" + Colour(s.colour) +
           "\">" + XmlText(text.text) + "</text>";
}

}  // namespace

std::string SvgOf(const DisplayList& list, const TextMetrics& metrics, std::string_view family) {
    const int w = list.size.width, h = list.size.height;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(w / kTwipsPerPixel) + "\" height=\"" + std::to_string(h / kTwipsPerPixel) +
                      "\" viewBox=\"0 0 " + std::to_string(w) + " " + std::to_string(h) + "\" font-family=\"" +
                      (family.empty() ? "" : XmlText(family) + ", ") +
                      "IPAGothic, IPAexGothic, sans-serif\">\n<rect width=\"" + std::to_string(w) + "\" height=\"" +
                      std::to_string(h) + "\" fill=\"#ffffff\"/>\n";
    const auto item = [&metrics](const auto& i) {
        if constexpr (std::is_same_v<std::decay_t<decltype(i)>, DrawText>) return Item(i, metrics);
        else return Item(i);
    };
    for (const DrawItem& each : list.items) svg += std::visit(item, each) + "\n";
    return svg + "</svg>\n";
}

}  // namespace zoriduvo
