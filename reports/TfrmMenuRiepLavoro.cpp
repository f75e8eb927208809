#include "reports/TfrmMenuRiepLavoro.h"

#include "reports/TfrmRiepLavoro.h"
#include "rules/IncomeSummary.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/ScreenFlow.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace {

constexpr int yearLength = 4;
constexpr int payerLength = 120;
constexpr int dayLength = 2;
constexpr int monthLength = 9;

QFont instructionFont() {
    return Fonts::font(Fonts::Family::verdana(), 10, false);
}

// The day and month boxes: a value is chosen from the list with the mouse. Backspace and
// Delete empty the box, the arrows move in it, Enter and Tab go on, every other key is
// dropped. Each time the box takes the focus its list forgets the highlighted entry, while the
// box keeps its text.
class ChoiceBoxRules : public QObject {
public:
    explicit ChoiceBoxRules(QComboBox* box) : QObject(box), box_(box) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return keyDropped(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            forgetHighlight();
            return false;
        default:
            return false;
        }
    }

private:
    bool keyDropped(QKeyEvent* key) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            return false;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (key->type() == QEvent::KeyPress)
                box_->clearEditText();
            break;
        default:
            break;
        }
        key->accept();
        return true;
    }

    void forgetHighlight() {
        const QString text = box_->currentText();
        box_->setCurrentIndex(-1);
        box_->setEditText(text);
    }

    QComboBox* box_;
};

QComboBox* addChoiceBox(QWidget* parent, const QString& name, const QStringList& choices,
                        int maxLength, const QRect& where) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setFont(Fonts::dataField());
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(choices);
    box->setMaxVisibleItems(12);
    box->lineEdit()->setMaxLength(maxLength);
    box->lineEdit()->setFont(Fonts::dataField());
    box->setCurrentIndex(-1);
    box->clearEditText();
    new ChoiceBoxRules(box);
    return box;
}

QStringList dayChoices() {
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(twoDigits(day));
    return days;
}

} // namespace

TfrmMenuRiepLavoro::TfrmMenuRiepLavoro(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmMenuRiepLavoro"),
                       QStringLiteral(" Velarno - Riepilogo Incassi"), Kind::Maximized) {
    buildHeading();
    buildPayerPanel();
    buildPeriodPanel();
    buildButtons();
    buildState();
    chainEnter({txtAnno, txtCliente, txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine,
                btnVisualizza},
               EnterOrder::Chain);
    // Enter presses the focused button, as the user who reached it with Enter expects.
    onEnter(btnVisualizza, [this] { btnVisualizza->click(); });
    const QList<QWidget*> tabOrder{txtAnno,       txtCliente,  txtGiornoInizio, txtMeseInizio,
                                   txtGiornoFine, txtMeseFine, btnVisualizza,   btnEsci};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TfrmMenuRiepLavoro::buildHeading() {
    QLabel* title = addLabel(container(), QStringLiteral("imgTitolo"),
                             QStringLiteral("RIEPILOGO INCASSI"), QRect(20, 12, 955, 80));
    title->setFont(Fonts::font(Fonts::Family::arial(), 30, true));
    title->setAlignment(Qt::AlignCenter);
    styleTitleCard(title);

    QFrame* card = addCard(container(), QStringLiteral("panDescrizione"), QRect(20, 102, 955, 64));
    const QFont intro = Fonts::font(Fonts::Family::verdana(), 9, true);
    addCaption(card, QStringLiteral("lblDescrizione01"),
               QStringLiteral("E' possibile visualizzare il riepilogo degli incassi per intervallo "
                              "di tempo tenendo conto delle ricevute emesse a ciascun socio o "
                              "cliente."),
               QRect(12, 6, 931, 26), intro, Qt::AlignCenter);
    addCaption(card, QStringLiteral("lblDescrizione02"),
               QStringLiteral("Compilare i campi sottostanti e premere il pulsante Visualizza "
                              "riepilogo."),
               QRect(12, 32, 931, 26), intro, Qt::AlignCenter);
}

void TfrmMenuRiepLavoro::buildPayerPanel() {
    QFrame* card = addCard(container(), QStringLiteral("panPagatore"), QRect(20, 176, 955, 166));
    addCaption(card, QStringLiteral("lblIstruzioni01"),
               QStringLiteral("Indicare l'anno solare di interesse e i dati del socio o cliente "
                              "(rigo 1)."),
               QRect(20, 10, 915, 22), instructionFont());
    addCaption(
        card, QStringLiteral("lblIstruzioni02"),
        QStringLiteral("Per ottenere il riepilogo delle ricevute rilasciate a tutti i soci o "
                       "clienti, lasciare in bianco i campi di testo."),
        QRect(20, 32, 915, 22), instructionFont());

    addCaption(card, QStringLiteral("lblAnno"), QStringLiteral("Anno:"), QRect(20, 66, 150, 26),
               Fonts::caption());
    txtAnno = addEditBox(card, QStringLiteral("txtAnno"), QRect(20, 96, 150, 44),
                         Fonts::font(Fonts::Family::verdana(), 18, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setMaxLength(yearLength);
    filterKeys(txtAnno, KeyFilter::DigitsOnly);
    onTyping(txtAnno, [this] { copyYear(); });
    onLeave(txtAnno, [this] { copyYear(); });

    addCaption(card, QStringLiteral("lblCliente"), QStringLiteral("Dati socio o cliente (rigo 1):"),
               QRect(200, 66, 735, 26), Fonts::caption());
    txtCliente =
        addEditBox(card, QStringLiteral("txtCliente"), QRect(200, 96, 735, 44), Fonts::dataField());
    txtCliente->setMaxLength(payerLength);

    for (QLineEdit* box : {txtAnno, txtCliente})
        styleLargeBox(box, true);
}

void TfrmMenuRiepLavoro::buildPeriodPanel() {
    QFrame* card = addCard(container(), QStringLiteral("panIntervallo"), QRect(20, 352, 955, 214));
    QLabel* instruction =
        addCaption(card, QStringLiteral("lblIstruzioni03"),
                   QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da "
                                  "riepilogare in base alla data di emissione delle ricevute."),
                   QRect(20, 10, 915, 22), instructionFont());
    instruction->setWordWrap(true);
    buildDateGroup(card, QStringLiteral("grpDataInizio"),
                   QStringLiteral(" Data inizio intervallo: "), QRect(20, 46, 450, 150),
                   txtGiornoInizio, txtMeseInizio, lblAnnoInizio);
    buildDateGroup(card, QStringLiteral("grpDataFine"), QStringLiteral(" Data fine intervallo: "),
                   QRect(485, 46, 450, 150), txtGiornoFine, txtMeseFine, lblAnnoFine);
}

QWidget* TfrmMenuRiepLavoro::buildDateGroup(QWidget* parent, const QString& name,
                                            const QString& title, const QRect& where,
                                            QComboBox*& day, QComboBox*& month, QLabel*& year) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(where);
    group->setFont(Fonts::font(Fonts::Family::verdana(), 11, true));
    group->setStyleSheet(QStringLiteral(
        "QGroupBox { color: #1F4E9A; border: 2px solid #87CEEB; border-radius: 10px; "
        "margin-top: 14px; } QGroupBox::title { subcontrol-origin: margin; left: 14px; "
        "padding: 0 4px; }"));
    const bool start = name.endsWith(QStringLiteral("Inizio"));
    const QString suffix = start ? QStringLiteral("Inizio") : QStringLiteral("Fine");
    addCaption(group, QStringLiteral("lblGiorno") + suffix, QStringLiteral("Giorno:"),
               QRect(20, 40, 110, 26), Fonts::caption());
    day = addChoiceBox(group, QStringLiteral("txtGiorno") + suffix, dayChoices(), dayLength,
                       QRect(20, 72, 110, 44));
    addCaption(group, QStringLiteral("lblMese") + suffix, QStringLiteral("Mese:"),
               QRect(150, 40, 170, 26), Fonts::caption());
    month = addChoiceBox(group, QStringLiteral("txtMese") + suffix, monthNames(), monthLength,
                         QRect(150, 72, 170, 44));
    year = addCaption(group, QStringLiteral("lblAnno") + suffix, QStringLiteral("ANNO"),
                      QRect(336, 72, 96, 44), Fonts::font(Fonts::Family::verdana(), 16, true),
                      Qt::AlignCenter);
    setTextColour(year, titleBlue);
    onLeave(day, [day] {
        if (!isDayChoice(day->currentText()))
            day->clearEditText();
    });
    onLeave(month, [month] {
        if (!monthNumber(month->currentText()))
            month->clearEditText();
    });
    return group;
}

void TfrmMenuRiepLavoro::buildButtons() {
    QFrame* dock = addCard(container(), QStringLiteral("panPulsanti"), QRect(20, 580, 955, 92));
    auto* picture = new Picture(QStringLiteral("imgIncassi"),
                                QStringLiteral(":/pictures/app_incassi.svg"), dock);
    picture->setGeometry(20, 10, 90, 72);
    lblAttendere =
        addCaption(dock, QStringLiteral("lblAttendere"),
                   QStringLiteral("Caricamento riepilogo in corso. Attendere..."),
                   QRect(126, 24, 430, 44), Fonts::font(Fonts::Family::verdana(), 11, true));
    setTextColour(lblAttendere, QColor(0xC0, 0x39, 0x2B));
    lblAttendere->hide();
    btnVisualizza = addButton(dock, QStringLiteral("btnVisualizza"),
                              QStringLiteral("Visualizza riepilogo"), QRect(570, 22, 230, 48));
    btnEsci =
        addButton(dock, QStringLiteral("btnEsci"), QStringLiteral("Esci"), QRect(815, 22, 120, 48));
    // The notice shows as soon as the button is pressed, before the summary is read.
    connect(btnVisualizza, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepLavoro::showSummary);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmMenuRiepLavoro::buildState() {
    for (QLabel** state : {&lblDataInizio, &lblDataFine, &lblFile}) {
        *state = new QLabel(this);
        (*state)->hide();
    }
    lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    lblFile->setObjectName(QStringLiteral("lblFile"));
}

void TfrmMenuRiepLavoro::onShow() {
    txtCliente->clear();
    for (QComboBox* box : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine}) {
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    txtAnno->setText(today().toString(QStringLiteral("yyyy")));
    copyYear();
    focusBox(txtCliente);
}

void TfrmMenuRiepLavoro::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}

void TfrmMenuRiepLavoro::copyYear() {
    const QString year = trimBlanks(txtAnno->text());
    lblAnnoInizio->setText(year);
    lblAnnoFine->setText(year);
}

void TfrmMenuRiepLavoro::showSummary() {
    lblAttendere->show();
    lblAttendere->repaint();
    lblDataInizio->clear();
    lblDataFine->clear();
    try {
        const PeriodCheck check = checkPeriod({txtAnno->text(), txtGiornoInizio->currentText(),
                                               txtMeseInizio->currentText(), lblAnnoInizio->text(),
                                               txtGiornoFine->currentText(),
                                               txtMeseFine->currentText(), lblAnnoFine->text()});
        lblDataInizio->setText(check.startDate);
        lblDataFine->setText(check.endDate);
        if (!check.passed()) {
            lblAttendere->hide();
            showMessage(this, check.warning ? MessageKind::Warning : MessageKind::Plain,
                        check.message);
            if (QWidget* box = boxOf(check.focus))
                focusBox(box);
            return;
        }
        lblFile->setText(programFile(trimBlanks(txtAnno->text()) + QStringLiteral(".ric")));
        openSummary();
    } catch (const std::exception&) {
        lblAttendere->hide();
        showMessage(this, MessageKind::Plain,
                    QStringLiteral("Attenzione: il file di archivio non risulta accessibile."));
    }
}

QWidget* TfrmMenuRiepLavoro::boxOf(PeriodField field) const {
    switch (field) {
    case PeriodField::Year:
        return txtAnno;
    case PeriodField::StartDay:
        return txtGiornoInizio;
    case PeriodField::StartMonth:
        return txtMeseInizio;
    case PeriodField::EndDay:
        return txtGiornoFine;
    case PeriodField::EndMonth:
        return txtMeseFine;
    case PeriodField::None:
        break;
    }
    return nullptr;
}

void TfrmMenuRiepLavoro::openSummary() {
    run_dialog<TfrmRiepLavoro>(this, [this](TfrmRiepLavoro& summary) {
        summary.setRequest(
            {txtCliente->text(), lblFile->text(), lblDataInizio->text(), lblDataFine->text()},
            &lastFindKey_);
    });
    lblAttendere->hide();
}
