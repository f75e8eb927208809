#include "reports/TfrmStatistiche.h"

#include "reports/StatisticsHelpText.h"
#include "rules/Amounts.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "ui/Application.h"
#include "ui/Chart.h"
#include "ui/Clock.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"
#include "ui/Printing.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <stdexcept>

namespace {

constexpr int yearDigits = 4;

struct Month {
    const char16_t* state; // the hidden label holding the month's sum
    const char16_t* label;
    QRgb color;
};
const Month months[MonthlyIncome::Months] = {
    {u"memGennaio", u"Gennaio", 0xFF0000},     {u"memFebbraio", u"Febbraio", 0x0000FF},
    {u"memMarzo", u"Marzo", 0xFFE4C4},         {u"memAprile", u"Aprile", 0xFF00FF},
    {u"memMaggio", u"Maggio", 0xC0DCC0},       {u"memGiugno", u"Giugno", 0xFFFF00},
    {u"memLuglio", u"Luglio", 0x00FF00},       {u"memAgosto", u"Agosto", 0xC0C0C0},
    {u"memSettembre", u"Settembre", 0xF0FBFF}, {u"memOttobre", u"Ottobre", 0x87CEEB},
    {u"memNovembre", u"Novembre", 0x800000},   {u"memDicembre", u"Dicembre", 0x008000},
};

QString skippedRecordsMessage(int skipped) {
    if (skipped == 1)
        return QStringLiteral("Attenzione: una ricevuta dell'archivio non è stata conteggiata "
                              "perché illeggibile o con una data o un totale non validi.");
    return QStringLiteral("Attenzione: %1 ricevute dell'archivio non sono state conteggiate "
                          "perché illeggibili o con una data o un totale non validi.")
        .arg(skipped);
}

// The mouse pointer waits while the year's file is read.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TfrmStatistiche::TfrmStatistiche(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmStatistiche"),
                       QStringLiteral(" Velarno - Statistiche Incassi"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Grafico statistico degli incassi annuali."))) {
    buildYearPanel();
    buildChartPanel();
    buildState();
    setUpChart();
    addHints();
}

// The year panel takes the place of the chart panel until a year is opened.
void TfrmStatistiche::buildYearPanel() {
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setFixedSize(ContainerSize);

    QLabel* title = addLabel(panAvvio, QStringLiteral("imgTitolo"),
                             QStringLiteral("STATISTICHE INCASSI"), QRect(20, 12, 955, 80));
    title->setFont(Fonts::font(Fonts::Family::arial(), 30, true));
    title->setAlignment(Qt::AlignCenter);
    styleTitleCard(title);

    QFrame* card = addCard(panAvvio, QStringLiteral("panAnno"), QRect(172, 150, 650, 380));
    auto* decoration = new Chart(QStringLiteral("imgGrafico"), card);
    decoration->setGeometry(24, 40, 300, 300);
    decoration->setThreeDimensional(true);
    decoration->setSeriesKind(SeriesKind::Pie);
    decoration->setLegendShown(false);
    decoration->setMarksShown(false);
    for (const Month& month : months)
        decoration->addPoint(1, QString(), QColor(month.color));

    QLabel* instruction = addCaption(
        card, QStringLiteral("lblIstruzioni"),
        QStringLiteral("Indicare l'anno solare e premere Apri."), QRect(360, 80, 260, 64),
        Fonts::font(Fonts::Family::verdana(), 11, true), Qt::AlignLeft | Qt::AlignTop);
    instruction->setWordWrap(true);
    txtAnno = addEditBox(card, QStringLiteral("txtAnno"), QRect(360, 156, 150, 48),
                         Fonts::font(Fonts::Family::verdana(), 20, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setMaxLength(yearDigits);
    styleLargeBox(txtAnno);
    filterKeys(txtAnno, KeyFilter::DigitsOnly);
    btnApri = addButton(card, QStringLiteral("btnApri"), QStringLiteral("Apri"),
                        QRect(360, 224, 150, 40));
    onEnter(txtAnno, [this] { focusBox(btnApri); });
    // Enter presses the focused button, as the user who reached it with Enter expects.
    onEnter(btnApri, [this] { btnApri->click(); });
    connect(btnApri, &QPushButton::clicked, this, &TfrmStatistiche::openYear);

    QFrame* dock = addCard(panAvvio, QStringLiteral("panStrumenti"), QRect(20, 580, 955, 92));
    const HelpAndExit pictures = addHelpAndExit(dock);
    imgGuida = pictures.help;
    imgEsci = pictures.exit;
    connect(imgGuida, &Picture::clicked, this, &TfrmStatistiche::showStatisticsHelp);
    connect(imgEsci, &Picture::clicked, this, &QWidget::close);
}

void TfrmStatistiche::buildChartPanel() {
    QWidget* panel = container();
    QFrame* heading = addCard(panel, QStringLiteral("bkgTitolo"), QRect(20, 10, 955, 88));
    hints_->addBackground(heading);
    lblTitolo = addCaption(heading, QStringLiteral("lblTitolo"), QString(), QRect(16, 6, 923, 30),
                           Fonts::font(Fonts::Family::verdana(), 14, true), Qt::AlignCenter);
    setTextColour(lblTitolo, titleBlue);
    const QFont note = Fonts::font(Fonts::Family::verdana(), 9, false);
    addCaption(
        heading, QStringLiteral("lblDescrizione"),
        QStringLiteral("Il presente grafico statistico mostra gli incassi relativi a ciascun "
                       "mese dell'anno in base alle ricevute emesse."),
        QRect(16, 38, 923, 20), note, Qt::AlignCenter);
    addCaption(heading, QStringLiteral("lblIstruzioniGrafico"),
               QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico "
                              "desiderato e per mandarlo in stampa."),
               QRect(16, 60, 923, 20), note, Qt::AlignCenter);

    ChartStats = new Chart(QStringLiteral("ChartStats"), panel);
    ChartStats->setGeometry(20, 106, 955, 498);

    btnBarre = addButton(panel, QStringLiteral("btnBarre"),
                         QStringLiteral("Visualizza grafico a barre"), QRect(20, 614, 250, 40));
    btnTorta = addButton(panel, QStringLiteral("btnTorta"),
                         QStringLiteral("Visualizza grafico a torta"), QRect(280, 614, 250, 40));
    btnStampa = addButton(panel, QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"),
                          QRect(540, 614, 180, 40));
    btnEsci = addButton(panel, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                        QRect(730, 614, 120, 40));
    cmdGuida = addPicture(panel, QStringLiteral("cmdGuida"), QStringLiteral("guida"),
                          QRect(929, 612, 44, 44));
    cmdGuida->makeClickable();

    connect(btnBarre, &QPushButton::clicked, this,
            [this] { ChartStats->setSeriesKind(SeriesKind::Bar); });
    connect(btnTorta, &QPushButton::clicked, this,
            [this] { ChartStats->setSeriesKind(SeriesKind::Pie); });
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::printChart);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdGuida, &Picture::clicked, this, &TfrmStatistiche::showStatisticsHelp);
}

void TfrmStatistiche::buildState() {
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    for (int i = 0; i < MonthlyIncome::Months; ++i) {
        memMesi[i] = new QLabel(QStringLiteral("0"), this);
        memMesi[i]->setObjectName(QString::fromUtf16(months[i].state));
        memMesi[i]->hide();
    }
}

void TfrmStatistiche::setUpChart() {
    ChartStats->setTitle({QStringLiteral("Statistiche incassi percepiti"),
                          Fonts::font(Fonts::Family::verdana(), 13, true), QColor(0xD04498)});
    ChartStats->setFoot({QStringLiteral("Tutti gli importi sono arrotondati all'euro"),
                         Fonts::font(Fonts::Family::verdana(), 9, true), QColor(0x7294F9)});
    ChartStats->setLegendTitle(QStringLiteral("Incassi:"));
    ChartStats->setMarksShown(true);
    ChartStats->setSeriesKind(SeriesKind::Bar);
    ChartStats->setThreeDimensional(true);
}

void TfrmStatistiche::addHints() {
    hints_->addHint(btnBarre, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                             "sotto forma di grafico a barre tridimensionali."));
    hints_->addHint(btnTorta, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                             "sotto forma di grafico a torta tridimensionale."));
    hints_->addHint(btnStampa, QStringLiteral("Stampa il grafico corrente."));
    hints_->addHint(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints_->addHint(cmdGuida,
                    QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
}

void TfrmStatistiche::onShow() {
    txtAnno->setText(today().toString(QStringLiteral("yyyy")));
    ChartStats->clearSeries();
    container()->hide();
    panAvvio->show();
    focusBox(txtAnno);
}

void TfrmStatistiche::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}

void TfrmStatistiche::resizeEvent(QResizeEvent* event) {
    PersistentScreen::resizeEvent(event);
    panAvvio->move(container()->pos());
}

// Only digits can be typed, so four characters are a year; any year is accepted.
void TfrmStatistiche::openYear() {
    if (txtAnno->text().size() != yearDigits) {
        showMessage(
            this, MessageKind::Warning,
            QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        focusBox(txtAnno);
        return;
    }
    const QString year = trimBlanks(txtAnno->text());
    year_ = year;
    lblFile->setText(receiptsArchivePath(year.toInt()));
    lblFile->adjustSize(); // never shown, but sized as a label of the screen should be
    lblTitolo->setText(
        QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno ") + year +
        QLatin1Char('.'));
    for (QLabel* sum : memMesi)
        sum->setText(QStringLiteral("0"));
    sumYear(year);
}

// The chart panel shows only a file read to its end; records that could not be counted are
// told about once, over the chart.
void TfrmStatistiche::sumYear(const QString& year) {
    std::optional<MonthlyIncome> income;
    try {
        const WaitCursor wait;
        income = monthlyIncomeOfFile(lblFile->text(), year);
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    showSums(*income);
    panAvvio->hide();
    container()->show();
    btnBarre->setFocus(Qt::OtherFocusReason);
    if (income->skippedRecords() > 0)
        showMessage(this, MessageKind::Warning, skippedRecordsMessage(income->skippedRecords()));
}

void TfrmStatistiche::showSums(const MonthlyIncome& income) {
    ChartStats->clearSeries();
    for (int i = 0; i < MonthlyIncome::Months; ++i) {
        const double sum = income.roundedSum(i + 1);
        memMesi[i]->setText(writeNumber(sum));
        memMesi[i]->adjustSize();
        ChartStats->addPoint(sum, QString::fromUtf16(months[i].label), QColor(months[i].color));
    }
    ChartStats->setVisible(true);
}

void TfrmStatistiche::printChart() {
    if (!askQuestion(this, QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    const std::optional<QString> typed = askText(this, QStringLiteral("Numero copie da stampare"),
                                                 QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!typed)
        return;
    const std::optional<int> copies = copiesToPrint(*typed);
    if (!copies) {
        const std::overflow_error tooMany("numero di copie oltre il limite consentito");
        reportUnexpectedError(&tooMany);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(*copies);
    if (!choosePrinter(this, printer))
        return;
    // On paper the chart stands alone: its title names the year.
    ChartContent printed = ChartStats->content();
    printed.title.text += QStringLiteral(" nell'anno ") + year_;
    ::printChart(printer, printed, printer.copyCount());
}

void TfrmStatistiche::showStatisticsHelp() {
    showHelp(this, statisticsHelpTitle(), statisticsHelpText());
}
