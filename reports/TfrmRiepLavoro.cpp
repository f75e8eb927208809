#include "reports/TfrmRiepLavoro.h"

#include "reports/IncomeSummaryHelpText.h"
#include "rules/FindInList.h"
#include "rules/IncomeSummary.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "shell/ScreenKinds.h"
#include "shell/SummaryList.h"
#include "shell/TfrmGuida.h"
#include "shell/WorkProgress.h"
#include "ui/ListReport.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr int cardLeft = 20;
constexpr int cardWidth = 955;
constexpr QRect headingCard{cardLeft, 16, cardWidth, 120};
constexpr QRect listArea{cardLeft, 148, cardWidth, 400};
constexpr QRect footerCard{cardLeft, 560, cardWidth, 116};

} // namespace

TfrmRiepLavoro::TfrmRiepLavoro(QWidget* opener)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(new SummaryListModel(SummaryListModel::Order::Sorted, this)) {
    setObjectName(QStringLiteral("TfrmRiepLavoro"));
    setWindowTitle(QStringLiteral(" Velarno - Riepilogo Incassi"));
    setMinimumSize(PersistentScreen::ContainerSize);
    setWindowState(Qt::WindowMaximized);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->resize(PersistentScreen::ContainerSize);

    lstRecords = new QListView(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(listArea);
    lstRecords->setFont(Fonts::listLine());
    lstRecords->setUniformItemSizes(true); // a hundred thousand lines open without a pause
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    lstRecords->setModel(model_);

    buildHeading();
    buildFooter();
}

void TfrmRiepLavoro::buildHeading() {
    QFrame* heading = addCard(panContainer, QStringLiteral("bkgTitolo"), headingCard);
    const QFont caption = Fonts::font(Fonts::Family::verdana(), 11, true);
    const QFont value = Fonts::font(Fonts::Family::verdana(), 12, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    setTextColour(addCaption(heading, QStringLiteral("lblTitolo"),
                             QStringLiteral("RIEPILOGO INCASSI"), QRect(20, 10, 600, 34),
                             Fonts::font(Fonts::Family::arial(), 20, true)),
                  titleBlue);
    addCaption(heading, QStringLiteral("lblTipologia"), QStringLiteral("Socio / Cliente:"),
               QRect(20, 50, 230, 26), caption);
    titTipologia = addCaption(heading, QStringLiteral("titTipologia"), QString(),
                              QRect(260, 50, 410, 26), value);
    setTextColour(titTipologia, titleBlue);
    addCaption(heading, QStringLiteral("lblPeriodo"), QStringLiteral("Intervallo selezionato:"),
               QRect(20, 82, 230, 26), caption);
    lblIntervallo = addCaption(heading, QStringLiteral("lblIntervallo"), QString(),
                               QRect(260, 82, 410, 26), value);
    setTextColour(lblIntervallo, titleBlue);
    addCaption(heading, QStringLiteral("lblTotale"), QStringLiteral("Totale importi incassati:"),
               QRect(675, 50, 260, 26), caption, right);
    lblTotCosti =
        addCaption(heading, QStringLiteral("lblTotCosti"), QString(), QRect(675, 78, 260, 32),
                   Fonts::font(Fonts::Family::verdana(), 18, true), right);
    setTextColour(lblTotCosti, QColor(0xB0, 0x3A, 0x2E));
}

void TfrmRiepLavoro::buildFooter() {
    QFrame* footer = addCard(panContainer, QStringLiteral("panStrumenti"), footerCard);
    const QFont instruction = Fonts::font(Fonts::Family::verdana(), 9, false);
    lblRigo01 = addCaption(footer, QStringLiteral("lblRigo01"),
                           QStringLiteral("Immettere una o più parole consecutive presenti nella "
                                          "scheda in elenco da cercare e premere il pulsante "
                                          "Trova."),
                           QRect(20, 10, 915, 18), instruction);
    lblRigo02 = addCaption(footer, QStringLiteral("lblRigo02"),
                           QStringLiteral("Per spostarsi sulla voce successiva contenente la "
                                          "stessa chiave di ricerca, fare di nuovo clic su Trova."),
                           QRect(20, 30, 915, 18), instruction);
    txtTrova =
        addEditBox(footer, QStringLiteral("txtTrova"), QRect(20, 58, 320, 40), Fonts::dataField());
    onEnter(txtTrova, [] {}); // Enter has no task here
    btnTrova = addButton(footer, QStringLiteral("btnTrova"), QStringLiteral("Trova"),
                         QRect(350, 58, 110, 40));
    btnStampa = addButton(footer, QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"),
                          QRect(571, 58, 190, 40));
    btnEsci = addButton(footer, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                        QRect(771, 58, 110, 40));
    imgGuida = addPicture(footer, QStringLiteral("imgGuida"), QStringLiteral("guida"),
                          QRect(891, 56, 44, 44));
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo dell'applicazione"));
    imgGuida->makeClickable();

    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepLavoro::findInList);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepLavoro::printSummary);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgGuida, &Picture::clicked, this,
            [this] { showHelp(this, incomeSummaryHelpTitle(), incomeSummaryHelpText()); });
}

void TfrmRiepLavoro::setRequest(const IncomeSummaryRequest& request, QString* lastFindKey) {
    request_ = request;
    lastFindKey_ = lastFindKey ? lastFindKey : &ownFindKey_;
}

int TfrmRiepLavoro::selectedRow() const {
    return selectedListRow(lstRecords);
}

void TfrmRiepLavoro::selectRow(int row) {
    selectListRow(lstRecords, row);
}

void TfrmRiepLavoro::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        buildSummary();
}

// Escape does what "Esci" does; the title bar's close leaves as "Esci" does too.
void TfrmRiepLavoro::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        btnEsci->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmRiepLavoro::paintEvent(QPaintEvent*) {
    paintScreenBackground(this);
}

void TfrmRiepLavoro::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    panContainer->move(centredContainerPosition(size()));
}

void TfrmRiepLavoro::done(int result) {
    model_->clear();
    QDialog::done(result);
}

// A summary that was stopped, or a file that cannot be read, shows nothing: the window closes
// and the income menu is in front again.
void TfrmRiepLavoro::buildSummary() {
    titTipologia->setText(payerShown(request_.payerFilter));
    model_->clear();
    std::optional<IncomeSummary> summary = readSummary();
    if (!summary || summary->cancelled) {
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    model_->setLines(std::move(summary->entries));
    lblIntervallo->setText(periodShown(request_.startDate, request_.endDate));
    lblTotCosti->setText(totalShown(summary->total));
    focusBox(txtTrova);
    if (summary->skippedRecords > 0)
        showMessage(this, MessageKind::Warning, skippedRecordsMessage(summary->skippedRecords));
}

std::optional<IncomeSummary> TfrmRiepLavoro::readSummary() {
    const std::optional<CalendarDate> start = calendarDate(request_.startDate);
    const std::optional<CalendarDate> end = calendarDate(request_.endDate);
    if (!start || !end)
        return IncomeSummary{};
    WorkProgress progress(this, QStringLiteral("Caricamento riepilogo in corso. Attendere..."),
                          QStringLiteral("prgRiepilogo"));
    IncomeSummary summary = incomeSummaryOfFile(request_.path, request_.payerFilter, *start, *end,
                                                progress.scanProgress());
    if (summary.failed) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return std::nullopt;
    }
    return summary;
}

void TfrmRiepLavoro::findInList() {
    findInListView(lstRecords, *model_, txtTrova->text(), *lastFindKey_);
}

void TfrmRiepLavoro::printSummary() {
    if (model_->rowCount() == 0) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Operazione di stampa non applicabile: il riepilogo non "
                                   "contiene nessuna voce."));
        return;
    }
    if (!askQuestion(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    printListReport(this, summaryPrintedTitle(titTipologia->text()),
                    model_->lines() +
                        summaryClosingLines(lblIntervallo->text(), lblTotCosti->text()));
}
