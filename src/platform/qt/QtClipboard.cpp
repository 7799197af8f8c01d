#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtText.h"

namespace zoriduvo {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQString(text)); }
std::string QtClipboard::text() const { return ToUtf8(QGuiApplication::clipboard()->text()); }

}  // namespace zoriduvo
