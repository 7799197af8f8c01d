#include "graphs/SvgWriter.h"

#include <cstdio>

namespace zoriduvo {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Colour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

std::string Stroke(Rgb c, int width) {
    return " stroke=\"" + Colour(c) + "\" stroke-width=\"" + (width > 0 ? std::to_string(width) : "1") +
           "\"" + (width > 0 ? "" : " vector-effect=\"non-scaling-stroke\"");
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

std::string Item(const DrawText& text) {
    const TextStyle& s = text.style;
    const char* anchor = s.across == HAlign::Left ? "start" : s.across == HAlign::Centre ? "middle" : "end";
    const char* baseline = s.down == VAlign::Top ? "hanging" : s.down == VAlign::Baseline ? "alphabetic" : "text-after-edge";
    return "<text x=\"" + std::to_string(text.at.x) + "\" y=\"" + std::to_string(text.at.y) + "\" font-size=\"" +
           std::to_string(static_cast<int>(s.points * 20)) + "\"" + (s.bold ? " font-weight=\"bold\"" : "") +
           " text-anchor=\"" + anchor + "\" dominant-baseline=\"" + baseline + "\" fill=\"" + Colour(s.colour) +
           "\">" + Escaped(text.text) + "</text>";
}

}  // namespace

std::string SvgOf(const DisplayList& list) {
    const int w = list.size.width, h = list.size.height;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(w / 15) + "\" height=\"" + std::to_string(h / 15) + "\" viewBox=\"0 0 " +
                      std::to_string(w) + " " + std::to_string(h) +
                      "\" font-family=\"IPAGothic, IPAexGothic, sans-serif\">\n<rect width=\"" + std::to_string(w) +
                      "\" height=\"" + std::to_string(h) + "\" fill=\"#ffffff\"/>\n";
    for (const DrawItem& item : list.items) svg += std::visit([](const auto& i) { return Item(i); }, item) + "\n";
    return svg + "</svg>\n";
}

}  // namespace zoriduvo
