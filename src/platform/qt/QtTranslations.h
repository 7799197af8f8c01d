#pragma once
#include <QLibraryInfo>
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

}  // namespace zoriduvo
