#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zoriduvo {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

}  // namespace zoriduvo
