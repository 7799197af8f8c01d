#pragma once
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace zoriduvo {

// Qt's own Japanese texts (file dialogs, standard buttons), from the system's Qt translations;
// null when they are not installed.
inline std::unique_ptr<QTranslator> QtJapaneseTexts() {
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return nullptr;
    return texts;
}

// Dates, sizes and numbers that Qt formats (the file dialog's columns) in Japanese, whatever the
// desktop's language.
inline void UseJapaneseLocale() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

}  // namespace zoriduvo
