// Makes the user guide at build time:
// velarno_guide <HTML template> <PDF to write> <folder for the grabbed screens>
// The screens are grabbed offscreen on a sample association in a temporary folder; each
// picture is also saved in the given folder as a PNG file, to be looked at and compared.
#include "program/guide/ScreenGrabs.h"
#include "program/guide/UserGuide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

ScreenPictures grabSampleScreens() {
    QTemporaryDir sample;
    if (!sample.isValid())
        throw std::runtime_error("no temporary folder for the sample association");
    return grabScreens(sample.path());
}

void savePictures(const ScreenPictures& pictures, const QString& folder) {
    QDir().mkpath(folder);
    for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture) {
        const QString path = folder + QLatin1Char('/') + picture.key() + QStringLiteral(".png");
        if (!picture->save(path))
            throw std::runtime_error(path.toStdString() + ": cannot be written");
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: velarno_guide <HTML template> <PDF to write> <pictures folder>\n",
                   stderr);
        return 2;
    }
    try {
        const ScreenPictures pictures = grabSampleScreens();
        savePictures(pictures, arguments[3]);
        writeUserGuide(readTemplate(arguments[1]), guideChapters(), pictures, arguments[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velarno_guide: %s\n", error.what());
        return 1;
    }
    return 0;
}
