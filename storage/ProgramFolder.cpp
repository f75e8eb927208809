#include "storage/ProgramFolder.h"

#include <QCoreApplication>

namespace {
QString& folderSetByTests() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    const QString& folder = folderSetByTests();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

QString programFile(const QString& name) {
    return programFolder() + QLatin1Char('/') + name;
}

QString membersArchivePath() {
    return programFile(QStringLiteral("Soci.pro"));
}

QString receiptsArchivePath(int year) {
    return programFile(QStringLiteral("%1.ric").arg(year, 4, 10, QLatin1Char('0')));
}

QString receiptSettingsPath() {
    return programFile(QStringLiteral("Ricevute.ini"));
}

QString priceListPath() {
    return programFile(QStringLiteral("Listino_Prezzi.lst"));
}

QString logoPath() {
    return programFile(QStringLiteral("Logo.bmp"));
}

QString photosFolder() {
    return programFile(QStringLiteral("Schedario"));
}

QString attachmentsFolder() {
    return programFile(QStringLiteral("Documenti_Allegati"));
}

void setProgramFolderForTests(const QString& path) {
    folderSetByTests() = path;
}
