#include "program/ProgramScreens.h"
#include "shell/TfrmRipristino.h"
#include "storage/ProgramFolder.h"
#include "ui/Application.h"
#include "ui/Translations.h"

#include <QIcon>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL); // no graphics-card acceleration
    Application application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velarno"));
    installToolkitTranslations(programFolder());
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icona.svg")));
    // The program ends only through its own ways out: the login's "Esci" and the main menu.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Every way out of the program leaves a backup copy of its files behind.
    ProgramScreens screens([] {
        backUpAtEnd(nullptr);
        QCoreApplication::quit();
    });
    screens.start();
    return QApplication::exec();
}
