#include "platform/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace platform {

namespace {

InterfaceTexts& current() {
    static InterfaceTexts texts{"en", L"Paperwright", L"Images"};
    return texts;
}

// Qt's own texts (the pickers' "Open", "Look in", "Files of type") in the
// interface language; none for English.
std::unique_ptr<QTranslator>& qt_translator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void load_qt_translation(const std::string& language) {
    std::unique_ptr<QTranslator>& translator = qt_translator();
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    if (language == "en" || !QCoreApplication::instance()) return;
    auto next = std::make_unique<QTranslator>();
    if (!next->load(QStringLiteral("qtbase_") + QString::fromStdString(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(next.get());
    translator = std::move(next);
}

}  // namespace

void set_interface_texts(InterfaceTexts texts) {
    if (texts.language != current().language) load_qt_translation(texts.language);
    current() = std::move(texts);
}

const InterfaceTexts& interface_texts() { return current(); }

}  // namespace platform
