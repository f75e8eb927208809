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

void setProgramFolderForTests(const QString& path) {
    folderSetByTests() = path;
}
