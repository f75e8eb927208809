// Makes the user guide at build time: velarno_guide <HTML template> <PDF to write>.
#include "program/guide/UserGuide.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

QString readTemplate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(path.toStdString() + ": " + file.errorString().toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: velarno_guide <HTML template> <PDF to write>\n", stderr);
        return 2;
    }
    try {
        writeUserGuide(readTemplate(arguments[1]), guideChapters(), arguments[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velarno_guide: %s\n", error.what());
        return 1;
    }
    return 0;
}
