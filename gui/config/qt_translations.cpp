#include "gui/config/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "core/config/language.h"

namespace zumbrel::gui {

QStringList qtTranslationNames(config::InstallCode code, std::optional<char> letter) {
    if (config::usesFrenchTexts(code, letter)) return {QStringLiteral("qtbase_fr")};
    switch (letter.value_or('F')) {
        case 'E':
            return {};
        case 'G':
            return {QStringLiteral("qtbase_de")};
        case 'I':
            return {QStringLiteral("qtbase_it")};
        case 'S':
            return {QStringLiteral("qtbase_es")};
        case 'P':
            return {QStringLiteral("qtbase_pt_PT"), QStringLiteral("qtbase_pt"),
                    QStringLiteral("qtbase_pt_BR")};
        default:  // Corsican readers are French readers
            return {QStringLiteral("qtbase_fr")};
    }
}

bool useQtTranslations(config::InstallCode code, std::optional<char> letter) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    const QStringList names = qtTranslationNames(code, letter);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : names) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            installed = translator;
            return true;
        }
        delete translator;
    }
    return names.isEmpty();
}

}  // namespace zumbrel::gui
