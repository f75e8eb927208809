#include "receipts/TfrmMenuRicevute.h"

#include "receipts/ReceiptsHelpText.h"
#include "receipts/TfrmControlloNumeri.h"
#include "receipts/TfrmListaPresc.h"
#include "receipts/TfrmLogo.h"
#include "receipts/TfrmRicevute.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/ScreenFlow.h"
#include "shell/TextLink.h"
#include "shell/TfrmGuida.h"
#include "storage/TextCodec.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString toMainMenu = QStringLiteral("avvio");
const QString toReceiptEditor = QStringLiteral("ricevute");
const QString toStatistics = QStringLiteral("statistiche");
constexpr int yearDigits = 4;

} // namespace

TfrmMenuRicevute::TfrmMenuRicevute(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmMenuRicevute"),
                       QStringLiteral(" Velarno - Emissione Ricevute"), Kind::Maximized),
      returnTo_(toMainMenu) {
    buildHeading();
    buildYearPanel();
    buildTools();
    buildDock();
}

void TfrmMenuRicevute::buildHeading() {
    addPicture(container(), QStringLiteral("imgTitolo"), QStringLiteral("titolo_ricevute"),
               QRect(20, 12, 955, 80));
    QLabel* line = addLabel(container(), QStringLiteral("lblDescrizione"),
                            QStringLiteral("In questo ambiente è possibile gestire le ricevute da "
                                           "rilasciare ai propri soci o clienti."),
                            QRect(20, 104, 955, 36));
    line->setFont(Fonts::font(Fonts::Family::verdana(), 11, true));
    line->setAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("QLabel#lblDescrizione { color: #1F4E9A; "
                                       "background-color: rgba(255, 255, 255, 225); "
                                       "border-radius: 10px; }"));
}

// The year comes first: every receipt belongs to the archive of one calendar year.
void TfrmMenuRicevute::buildYearPanel() {
    QFrame* panel = addCard(container(), QStringLiteral("panEmissione"), QRect(20, 156, 600, 400),
                            QStringLiteral("#FFFFFF"));
    QLabel* title = addLabel(panel, QStringLiteral("lblEmissione"),
                             QStringLiteral("Emissione ricevute"), QRect(2, 2, 596, 46));
    title->setFont(Fonts::font(Fonts::Family::verdana(), 15, true));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral(
        "QLabel#lblEmissione { color: white; border-top-left-radius: 16px; "
        "border-top-right-radius: 16px; background-color: qlineargradient(x1: 0, y1: 0, x2: 0, "
        "y2: 1, stop: 0 #4A8BE0, stop: 0.5 #2F6BC4, stop: 1 #1F4E9A); }"));
    addPicture(panel, QStringLiteral("imgRicevute"), QStringLiteral("app_ricevute"),
               QRect(24, 108, 290, 230));

    addCaption(panel, QStringLiteral("lblAnno"), QStringLiteral("Anno:"), QRect(350, 124, 210, 28),
               Fonts::caption(), Qt::AlignLeft | Qt::AlignVCenter);
    txtAnnoPreventivi =
        addEditBox(panel, QStringLiteral("txtAnnoPreventivi"), QRect(350, 156, 150, 48),
                   Fonts::font(Fonts::Family::verdana(), 20, true));
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    txtAnnoPreventivi->setMaxLength(yearDigits);
    styleLargeBox(txtAnnoPreventivi);
    filterKeys(txtAnnoPreventivi, KeyFilter::DigitsOnly);
    btnApriPreventivi = addButton(panel, QStringLiteral("btnApriPreventivi"),
                                  QStringLiteral("Apri"), QRect(350, 224, 150, 40));
    onEnter(txtAnnoPreventivi, [this] { focusBox(btnApriPreventivi); });
    // Enter presses the focused button, as the user who reached it with Enter expects.
    onEnter(btnApriPreventivi, [this] { btnApriPreventivi->click(); });
    connect(btnApriPreventivi, &QPushButton::clicked, this, &TfrmMenuRicevute::openYear);

    QLabel* instruction =
        addCaption(panel, QStringLiteral("lblIstruzioni"),
                   QStringLiteral("Indicare l'anno solare con quattro cifre e premere Apri."),
                   QRect(350, 280, 220, 64), Fonts::font(Fonts::Family::verdana(), 10, false),
                   Qt::AlignLeft | Qt::AlignTop);
    instruction->setWordWrap(true);

    numbering = new NumberingNotice(panel, QRect(24, 344, 552, 50),
                                    [this](qint64 position) { openReceipt(position); });
    connect(txtAnnoPreventivi, &QLineEdit::textChanged, numbering, &NumberingNotice::showYear);
}

void TfrmMenuRicevute::buildTools() {
    btnListino = addPicture(container(), QStringLiteral("btnListino"), QStringLiteral("listino"),
                            QRect(640, 156, 335, 190));
    btnListino->setToolTip(QStringLiteral("Gestione listino prezzi"));
    btnListino->makeClickable();
    connect(btnListino, &Picture::clicked, this, [this] { openPriceList(this); });

    btnGrafici = addPicture(container(), QStringLiteral("btnGrafici"), QStringLiteral("grafici"),
                            QRect(640, 366, 335, 190));
    btnGrafici->setToolTip(QStringLiteral("Statistiche incassi"));
    btnGrafici->makeClickable();
    connect(btnGrafici, &Picture::clicked, this, [this] { closeTowards(toStatistics); });
}

// The logo link on the left; help and exit on the right, as on the main menu.
void TfrmMenuRicevute::buildDock() {
    QFrame* dock = addCard(container(), QStringLiteral("panStrumenti"), QRect(20, 580, 955, 92),
                           QStringLiteral("rgba(255, 255, 255, 225)"));
    imgEmail = addPicture(dock, QStringLiteral("imgEmail"), QStringLiteral("email"),
                          QRect(24, 30, 32, 32));
    lnkWeb = addLabel(dock, QStringLiteral("lnkWeb"), QStringLiteral("Imposta logo Ditta"),
                      QRect(64, 32, 260, 28));
    makeTextLink(lnkWeb, imgEmail, [this] { openLogoWindow(this); });

    const HelpAndExit pictures = addHelpAndExit(dock);
    imgGuida = pictures.help;
    imgEsci = pictures.exit;
    connect(imgGuida, &Picture::clicked, this,
            [this] { showHelp(this, receiptsHelpTitle(), receiptsHelpText()); });
    connect(imgEsci, &Picture::clicked, this, &QWidget::close);
}

void TfrmMenuRicevute::closeTowards(const QString& marker) {
    returnTo_ = marker;
    close();
}

void TfrmMenuRicevute::onShow() {
    const QString year = today().toString(QStringLiteral("yyyy"));
    if (txtAnnoPreventivi->text() == year)
        numbering->showYear(year); // the receipts may have changed since
    txtAnnoPreventivi->setText(year);
    returnTo_ = toMainMenu;
    focusBox(txtAnnoPreventivi);
}

void TfrmMenuRicevute::closeStep() {
    const QString marker = trimBlanks(returnTo_);
    Screen target = Screen::Avvio;
    if (marker == toReceiptEditor)
        target = Screen::Ricevute;
    else if (marker == toStatistics)
        target = Screen::Statistiche;
    flow().moveTo(target, this);
}

// Only digits can be typed, so four characters are a year; any year is accepted.
void TfrmMenuRicevute::openYear() {
    const QString year = txtAnnoPreventivi->text();
    if (year.size() != yearDigits) {
        showMessage(
            this, MessageKind::Warning,
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        focusBox(txtAnnoPreventivi);
        return;
    }
    flow().screen<TfrmRicevute>(Screen::Ricevute).setYear(year);
    closeTowards(toReceiptEditor);
}

void TfrmMenuRicevute::openReceipt(qint64 position) {
    TfrmRicevute& editor = flow().screen<TfrmRicevute>(Screen::Ricevute);
    editor.setYear(txtAnnoPreventivi->text());
    closeTowards(toReceiptEditor);
    editor.showStoredReceipt(position);
}
