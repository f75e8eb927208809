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
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* addText(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                const QString& color = QStringLiteral("#2C3E50")) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text, int width) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(Fonts::button());
    button->setAutoDefault(false); // Enter in the find box presses nothing
    answerKeyboard(button);
    button->setMinimumSize(width, 40);
    return button;
}

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
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(panContainer);

    lstRecords = new QListView(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setFont(Fonts::listLine());
    lstRecords->setUniformItemSizes(true); // a hundred thousand lines open without a pause
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    lstRecords->setModel(model_);

    auto* layout = new QVBoxLayout(panContainer);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(buildHeading());
    layout->addWidget(lstRecords, 1);
    layout->addWidget(buildFooter());
}

QWidget* TfrmRiepLavoro::buildHeading() {
    auto* heading = new QFrame(panContainer);
    heading->setObjectName(QStringLiteral("bkgTitolo"));
    heading->setStyleSheet(QStringLiteral("QFrame#bkgTitolo { background-color: rgba(255, 255, "
                                          "255, 235); border: 2px solid #BFD9EE; "
                                          "border-radius: 18px; }"));
    const QFont caption = Fonts::font(Fonts::Family::verdana(), 11, true);
    const QFont value = Fonts::font(Fonts::Family::verdana(), 12, true);
    QLabel* title =
        addText(heading, QStringLiteral("lblTitolo"), QStringLiteral("RIEPILOGO INCASSI"),
                Fonts::font(Fonts::Family::arial(), 20, true), QStringLiteral("#1F4E9A"));
    QLabel* payer = addText(heading, QStringLiteral("lblTipologia"),
                            QStringLiteral("Socio / Cliente:"), caption);
    titTipologia = addText(heading, QStringLiteral("titTipologia"), QString(), value,
                           QStringLiteral("#1F4E9A"));
    QLabel* period = addText(heading, QStringLiteral("lblPeriodo"),
                             QStringLiteral("Intervallo selezionato:"), caption);
    lblIntervallo = addText(heading, QStringLiteral("lblIntervallo"), QString(), value,
                            QStringLiteral("#1F4E9A"));
    QLabel* total = addText(heading, QStringLiteral("lblTotale"),
                            QStringLiteral("Totale importi incassati:"), caption);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotCosti =
        addText(heading, QStringLiteral("lblTotCosti"), QString(),
                Fonts::font(Fonts::Family::verdana(), 18, true), QStringLiteral("#B03A2E"));
    lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTotCosti->setMinimumWidth(260);

    auto* grid = new QGridLayout(heading);
    grid->setContentsMargins(20, 10, 20, 12);
    grid->setHorizontalSpacing(14);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(payer, 1, 0);
    grid->addWidget(titTipologia, 1, 1);
    grid->addWidget(period, 2, 0);
    grid->addWidget(lblIntervallo, 2, 1);
    grid->addWidget(total, 1, 2);
    grid->addWidget(lblTotCosti, 2, 2);
    grid->setColumnStretch(1, 1);
    return heading;
}

QWidget* TfrmRiepLavoro::buildFooter() {
    auto* footer = new QFrame(panContainer);
    footer->setObjectName(QStringLiteral("panStrumenti"));
    footer->setStyleSheet(QStringLiteral("QFrame#panStrumenti { background-color: rgba(255, 255, "
                                         "255, 235); border: 2px solid #BFD9EE; "
                                         "border-radius: 18px; }"));
    const QFont instruction = Fonts::font(Fonts::Family::verdana(), 9, false);
    lblRigo01 = addText(footer, QStringLiteral("lblRigo01"),
                        QStringLiteral("Immettere una o più parole consecutive presenti nella "
                                       "scheda in elenco da cercare e premere il pulsante Trova."),
                        instruction);
    lblRigo02 = addText(footer, QStringLiteral("lblRigo02"),
                        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                       "chiave di ricerca, fare di nuovo clic su Trova."),
                        instruction);
    txtTrova = new QLineEdit(footer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(Fonts::dataField());
    txtTrova->setFixedSize(320, 40);
    onEnter(txtTrova, [] {}); // Enter has no task here
    btnTrova = addButton(footer, QStringLiteral("btnTrova"), QStringLiteral("Trova"), 110);
    btnStampa =
        addButton(footer, QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"), 190);
    btnEsci = addButton(footer, QStringLiteral("btnEsci"), QStringLiteral("Esci"), 110);
    imgGuida =
        new Picture(QStringLiteral("imgGuida"), QStringLiteral(":/pictures/guida.svg"), footer);
    imgGuida->setFixedSize(44, 44);
    imgGuida->setToolTip(QStringLiteral("Guida all'utilizzo dell'applicazione"));
    imgGuida->makeClickable();

    auto* controls = new QHBoxLayout;
    controls->setSpacing(10);
    controls->addWidget(txtTrova);
    controls->addWidget(btnTrova);
    controls->addStretch(1);
    controls->addWidget(btnStampa);
    controls->addWidget(btnEsci);
    controls->addSpacing(10);
    controls->addWidget(imgGuida);
    auto* rows = new QVBoxLayout(footer);
    rows->setContentsMargins(20, 10, 20, 12);
    rows->setSpacing(4);
    rows->addWidget(lblRigo01);
    rows->addWidget(lblRigo02);
    rows->addSpacing(6);
    rows->addLayout(controls);

    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepLavoro::findInList);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepLavoro::printSummary);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgGuida, &Picture::clicked, this,
            [this] { showHelp(this, incomeSummaryHelpTitle(), incomeSummaryHelpText()); });
    return footer;
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
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x1F, 0x4E, 0x9A));
    background.setColorAt(1, Qt::white);
    painter.fillRect(rect(), background);
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
