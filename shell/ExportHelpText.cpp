#include "shell/ExportHelpText.h"

QString spreadsheetExportHelpText(const QString& firstParagraph) {
    const QString paragraphEnd = QStringLiteral("\r\n\r\n");
    return firstParagraph + paragraphEnd +
           QStringLiteral("Facendo clic sull'icona di Excel il file viene creato immediatamente "
                          "nella cartella del programma; al termine dell'esportazione il "
                          "programma chiede se si vuole aprirlo subito con Microsoft Excel.") +
           paragraphEnd +
           QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                          "assegnandogli un nome qualsiasi.") +
           paragraphEnd;
}
