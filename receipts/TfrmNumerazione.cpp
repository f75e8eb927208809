#include "receipts/TfrmNumerazione.h"

#include "rules/ReceiptSettings.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString receiptsMarker = QStringLiteral("ricevute");
constexpr int startDigits = 5;
constexpr int windowWidth = 500;
constexpr int margin = 20;
constexpr QSize buttonSize(170, 34);
} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmNumerazione"),
                  QStringLiteral(" Impostazione inizio numerazione documenti"),
                  QSize(windowWidth, 356)) {
    buildInstructions();
    buildStartBox();
    buildButtons();
}

// The two notes on a white panel, beside a picture of numbered receipts.
void TfrmNumerazione::buildInstructions() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panIstruzioni"));
    panel->setGeometry(0, 0, windowWidth, 168);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto* picture = new Picture(QStringLiteral("imgIstruzioni"),
                                QStringLiteral(":/pictures/numerazione.svg"), panel);
    picture->setGeometry(margin, 22, 96, 120);
    const QStringList notes{
        QStringLiteral("Utilizzare questa funzione per far partire la numerazione automatica "
                       "delle ricevute da un numero superiore a 1."),
        QStringLiteral("Per usufruire della numerazione automatica, premere il pulsante Nuovo "
                       "della schermata di lavoro prima di compilare la ricevuta."),
    };
    const int noteX = margin + 96 + 16;
    for (int i = 0; i < notes.size(); ++i) {
        QLabel* note = addLabel(panel, QStringLiteral("lblNota") + twoDigits(i + 1), notes[i],
                                QRect(noteX, 14 + i * 76, windowWidth - noteX - margin, 68));
        note->setFont(Fonts::font(Fonts::Family::verdana(), 9, false));
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setTextColour(note, titleBlue);
    }
}

void TfrmNumerazione::buildStartBox() {
    grpNumerazione = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    grpNumerazione->setObjectName(QStringLiteral("grpNumerazione"));
    grpNumerazione->setFont(Fonts::caption());
    grpNumerazione->setGeometry(margin, 184, windowWidth - 2 * margin, 92);

    txtInizio = addEditBox(grpNumerazione, QStringLiteral("txtInizio"),
                           QRect((grpNumerazione->width() - 150) / 2, 38, 150, 36),
                           Fonts::font(Fonts::Family::verdana(), 16, true));
    txtInizio->setAlignment(Qt::AlignCenter);
    txtInizio->setMaxLength(startDigits);
    txtInizio->setText(QStringLiteral("1"));
    effInizio = addFocusFrame(txtInizio);
    filterKeys(txtInizio, KeyFilter::DigitsOnly);
    onLeave(txtInizio, [this] { settleStart(); });
    // A value written by hand into the file may be longer than five digits; it shows whole,
    // and the limit comes back as digits are deleted.
    connect(txtInizio, &QLineEdit::textChanged, this, [this] {
        const int limit = qMax(startDigits, int(txtInizio->text().size()));
        if (txtInizio->maxLength() > limit)
            txtInizio->setMaxLength(limit);
    });
}

void TfrmNumerazione::buildButtons() {
    const int y = 296;
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(QPoint(margin, y), buttonSize));
    btnApplica = addButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"),
                           QRect(QPoint(windowWidth - margin - buttonSize.width(), y), buttonSize));
    onEnter(txtInizio, [this] { focusBox(btnApplica); });
    // Enter presses the focused button, as the user who reached it with Enter expects.
    for (QPushButton* button : {btnApplica, btnAnnulla})
        onEnter(button, [button] { button->click(); });
    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::applyAndClose);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNumerazione::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    putStoredStart();
    focusBox(txtInizio);
}

bool TfrmNumerazione::servesReceipts() const {
    return trimBlanks(returnTo_) == receiptsMarker;
}

// Shown as stored, also when it is not a number (leaving the box settles it). A file that
// cannot be read shows the design value: applying then reports the failure.
void TfrmNumerazione::putStoredStart() {
    QString stored;
    if (servesReceipts()) {
        try {
            stored = numberingStartText();
        } catch (const StorageError&) {
        }
    }
    if (trimBlanks(stored).isEmpty())
        stored = QStringLiteral("1");
    txtInizio->setMaxLength(qMax(startDigits, int(stored.size())));
    txtInizio->setText(stored);
}

void TfrmNumerazione::settleStart() {
    const QString settled = settledNumberingStart(txtInizio->text());
    if (settled == txtInizio->text())
        return;
    txtInizio->setMaxLength(qMax(startDigits, int(settled.size())));
    txtInizio->setText(settled);
}

void TfrmNumerazione::applyAndClose() {
    settleStart(); // the box's leave step, should the button have been pressed without focus
    if (servesReceipts()) {
        try {
            storeNumberingStart(trimBlanks(txtInizio->text()));
        } catch (const StorageError&) {
            showMessage(this, MessageKind::Error, archiveAccessMessage());
            return;
        }
    }
    accept();
}

void openNumbering(QWidget* opener) {
    run_dialog<TfrmNumerazione>(
        opener, [](TfrmNumerazione& window) { window.setReturnTo(receiptsMarker); });
}
