#pragma once

#include <QString>

// What the editors and the search windows show when an archive cannot be opened, read or
// written.
inline QString archiveAccessMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}
