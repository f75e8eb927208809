#include "ui/Application.h"

#include "ui/MessageBox.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUnexpectedError(&error);
    } catch (...) {
        reportUnexpectedError(nullptr);
    }
    return false;
}

void reportUnexpectedError(const std::exception* error) {
    QString text = QStringLiteral("Si è verificato un errore imprevisto: l'operazione non è stata "
                                  "completata.");
    if (error)
        text += QStringLiteral("\n\r\n\rDettagli: ") + QString::fromLocal8Bit(error->what());
    showMessage(QApplication::activeWindow(), MessageKind::Error, text);
}
