#include "shell/TfrmAvvio.h"

#include "rules/MemberLists.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/GeneralHelpText.h"
#include "shell/Maker.h"
#include "shell/TextLink.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "storage/ProgramFolder.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QKeyEvent>
#include <QLabel>
#include <optional>

namespace {
constexpr int columnWidth = 290;
constexpr int firstColumnX = 20;
constexpr int columnStep = 332;

// The place that an arrow key leads to from a place: the nearest one lying wholly on that
// side. Left and right stay within the places beside it; up and down take the nearest row,
// and in it the place whose centre is closest.
std::optional<int> placeTowards(const QList<QRect>& places, int from, int arrow) {
    const QRect here = places[from];
    const bool across = arrow == Qt::Key_Left || arrow == Qt::Key_Right;
    std::optional<int> best;
    QPair<int, int> bestDistance;
    for (int i = 0; i < places.size(); ++i) {
        const QRect there = places[i];
        int gap = 0;
        if (arrow == Qt::Key_Right)
            gap = there.left() - here.right();
        else if (arrow == Qt::Key_Left)
            gap = here.left() - there.right();
        else if (arrow == Qt::Key_Down)
            gap = there.top() - here.bottom();
        else
            gap = here.top() - there.bottom();
        const bool beside = there.top() <= here.bottom() && here.top() <= there.bottom();
        if (gap <= 0 || (across && !beside))
            continue;
        const QPair<int, int> distance{gap,
                                       across ? 0 : qAbs(there.center().x() - here.center().x())};
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

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
    addExpiryNotice();
    // Where the keyboard starts; Qt keeps the focus where it was left between showings.
    keyboardPictures_.first()->setFocus();
}

void TfrmAvvio::addToKeyboard(Picture* picture) {
    picture->answerKeyboard();
    keyboardPictures_.append(picture);
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
        addToKeyboard(entry);
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
        addToKeyboard(picture);
        picture->setToolTip(tool.tip);
        connect(picture, &Picture::clicked, this, tool.action);
    }
}

void TfrmAvvio::addExpiryNotice() {
    lblScadenze =
        addLabel(container(), QStringLiteral("lblScadenze"), QString(), QRect(280, 612, 620, 24));
    lblScadenze->hide();
    makeTextLink(lblScadenze, nullptr, [this] {
        if (openExpiryList_)
            openExpiryList_();
        refreshExpiryNotice(); // the list may have led to changes in the archive
    });
}

// Counted afresh on each showing: the archive may have changed in the meantime.
void TfrmAvvio::refreshExpiryNotice() {
    const QString notice = expiryCountsText(countExpiries(membersArchivePath(), today()));
    lblScadenze->setText(notice);
    lblScadenze->setVisible(!notice.isEmpty());
}

void TfrmAvvio::onShow() {
    refreshExpiryNotice();
}

void TfrmAvvio::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int from = keyboardPictures_.indexOf(qobject_cast<Picture*>(focusWidget()));
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || from < 0) {
        PersistentScreen::keyPressEvent(event);
        return;
    }
    event->accept();
    QList<QRect> places;
    for (const Picture* picture : keyboardPictures_)
        places.append(picture->geometry());
    if (const std::optional<int> to = placeTowards(places, from, key)) {
        setAttribute(Qt::WA_KeyboardFocusChange); // the frame shows, as after Tab
        keyboardPictures_[*to]->setFocus(Qt::TabFocusReason);
    }
}

// The login window is the application's main window, but it stays hidden: closing the main
// menu must end the program itself.
void TfrmAvvio::closeStep() {
    flow().terminate();
}
