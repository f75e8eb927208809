#pragma once

#include <QList>
#include <QString>

class QTranslator;

// The toolkit's own texts (standard buttons, file, print and input dialogs) in Italian. Each
// catalog is read from the "translations" folder of the program folder, so that a copied
// folder stays Italian, else from the toolkit's own translations folder. The translators are
// owned by the application; deleting one takes its texts away again.
QList<QTranslator*> installToolkitTranslations(const QString& programFolder);

// The folder, inside the program folder, that holds the toolkit's catalogs.
QString translationsFolder(const QString& programFolder);
