#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString toolkitCatalogs[] = {QStringLiteral("qtbase_it"), QStringLiteral("qtmultimedia_it")};
} // namespace

QString translationsFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}

QList<QTranslator*> installToolkitTranslations(const QString& programFolder) {
    const QStringList folders{translationsFolder(programFolder),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    QList<QTranslator*> installed;
    for (const QString& catalog : toolkitCatalogs) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        bool loaded = false;
        for (const QString& folder : folders)
            if ((loaded = translator->load(catalog, folder)))
                break;
        if (loaded && QCoreApplication::installTranslator(translator)) {
            installed.append(translator);
        } else {
            delete translator; // the English texts stay; the program's own boxes are Italian
        }
    }
    return installed;
}
