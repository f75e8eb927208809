#include "shell/TfrmAvvio.h"

#include "rules/TextRules.h"
#include "shell/GeneralHelpText.h"
#include "shell/Maker.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

namespace {
constexpr int columnWidth = 290;
constexpr int firstColumnX = 20;
constexpr int columnStep = 332;
} // namespace

TfrmAvvio::TfrmAvvio(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmAvvio"), QStringLiteral(" Velarno"),
                       Kind::Maximized) {
    applyTextConventions();
    addPicture(QStringLiteral("imgTitolo"), QStringLiteral("titolo"), QRect(20, 12, 955, 80));
    addApplication(QStringLiteral("Soci"), 0, Screen::Anagrafica);
    addApplication(QStringLiteral("Ricevute"), 1, Screen::MenuRicevute);
    addApplication(QStringLiteral("Incassi"), 2, Screen::MenuRiepLavoro);
    addTools();
}

Picture* TfrmAvvio::addPicture(const QString& name, const QString& file, const QRect& where) {
    auto* picture = new Picture(name, QStringLiteral(":/pictures/%1.svg").arg(file), container());
    picture->setGeometry(where);
    return picture;
}

// An application is reached from its large picture, its description card and its bar.
void TfrmAvvio::addApplication(const QString& area, int column, Screen target) {
    const int x = firstColumnX + column * columnStep;
    const QString file = area.toLower();
    const QList<Picture*> entries{
        addPicture(QStringLiteral("img") + area, QStringLiteral("app_") + file,
                   QRect(x, 110, columnWidth, 230)),
        addPicture(QStringLiteral("app") + area, QStringLiteral("card_") + file,
                   QRect(x, 352, columnWidth, 150)),
        addPicture(QStringLiteral("btn") + area, QStringLiteral("bar_") + file,
                   QRect(x, 514, columnWidth, 44)),
    };
    for (Picture* entry : entries) {
        entry->makeClickable();
        connect(entry, &Picture::clicked, this, [this, target] { flow().moveTo(target, this); });
    }
}

void TfrmAvvio::addTools() {
    struct Tool {
        const char16_t* name;
        const char16_t* file;
        int x;
        std::function<void()> action;
        QString tip;
    };
    const QList<Tool> tools{
        {u"imgInfo", u"info", 20, [this] { run_dialog<TfrmInfo>(this); },
         QStringLiteral("Informazioni su Velarno")},
        {u"imgSplash", u"splash_small", 80, [this] { run_dialog<TfrmSplash>(this); },
         QStringLiteral("Velarno")},
        {u"imgGuida", u"guida", 140,
         [this] { showHelp(this, generalHelpTitle(), generalHelpText()); },
         QStringLiteral("Guida all'utilizzo del software")},
        {u"imgSito", u"sito", 200, [] { open_with_shell(Maker::webSite()); },
         QStringLiteral("Visita il sito web")},
        {u"imgEsci", u"esci", 927, [this] { flow().terminate(); }, QStringLiteral("Esci")},
    };
    for (const Tool& tool : tools) {
        Picture* picture = addPicture(QString::fromUtf16(tool.name), QString::fromUtf16(tool.file),
                                      QRect(tool.x, 600, 48, 48));
        picture->makeClickable();
        picture->setToolTip(tool.tip);
        connect(picture, &Picture::clicked, this, tool.action);
    }
}

// The login window is the application's main window, but it stays hidden: closing the main
// menu must end the program itself.
void TfrmAvvio::closeStep() {
    flow().terminate();
}
