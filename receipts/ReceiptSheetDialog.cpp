#include "receipts/ReceiptSheetDialog.h"

#include "receipts/ReceiptSheet.h"
#include "receipts/TfrmRicevute.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/TfrmLogo.h"
#include "storage/TextCodec.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize dialogSize{364, 287};
constexpr int panelHeight = 225;
constexpr int textLeft = 16;
constexpr int textWidth = 332;

// The receipt exactly as the editor shows it, trimmed, whether saved or not.
ReceiptRecord receiptOnScreen(const TfrmRicevute& editor) {
    const auto text = [](const QLineEdit* box) { return trimBlanks(box->text()); };
    ReceiptRecord receipt;
    receipt.NumRic = text(editor.txtNumRic);
    receipt.Data = text(editor.txtData);
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line) {
        receipt.LavRigo[line] = text(editor.txtLavRigo[line]);
        receipt.CliRigo[line] = text(editor.txtCliRigo[line]);
    }
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        receipt.Descrizione[row] = text(editor.txtDescrizione[row]);
        receipt.Importo[row] = text(editor.txtImporto[row]);
    }
    receipt.Totale = trimBlanks(editor.txtTotale->text());
    return receipt;
}

} // namespace

ReceiptSheetDialog::ReceiptSheetDialog(QWidget* opener, const ReceiptSheetDialogTexts& texts)
    : FixedDialog(opener, texts.objectName, texts.caption, dialogSize),
      editor_(dynamic_cast<const TfrmRicevute&>(*opener)) {
    applyTextConventions();
    buildInstructions(texts);
    const int buttonsTop = panelHeight + 16;
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(textLeft, buttonsTop, 120, 34));
    btnStampa = addButton(this, QStringLiteral("btnStampa"), texts.confirm,
                          QRect(dialogSize.width() - textLeft - 170, buttonsTop, 170, 34));
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &ReceiptSheetDialog::fillAndOutput);
}

void ReceiptSheetDialog::buildInstructions(const ReceiptSheetDialogTexts& texts) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panIstruzioni"));
    panel->setGeometry(0, 0, dialogSize.width(), panelHeight);
    panel->setStyleSheet(QStringLiteral("QFrame#panIstruzioni { background-color: white; }"));

    QLabel* title = addLabel(panel, QStringLiteral("imgTitolo"), texts.title,
                             QRect(textLeft, 14, textWidth, 34));
    title->setFont(Fonts::font(Fonts::Family::verdana(), 14, true));
    title->setStyleSheet(QStringLiteral("color: #1F4E9A;"));
    const auto instruction = [&](const QString& name, const QString& text, int top) {
        QLabel* label = addLabel(panel, name, text, QRect(textLeft, top, textWidth, 76));
        label->setFont(Fonts::font(Fonts::Family::verdana(), 10, false));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setContentsMargins(10, 0, 10, 0);
        label->setStyleSheet(QStringLiteral(
            "QLabel { color: #1C2530; background-color: #F4F7FC; border: 1px solid #9DB3D6; "
            "border-radius: 6px; }"));
    };
    instruction(QStringLiteral("imgIstruzioni01"), texts.whatItDoes, 56);
    instruction(QStringLiteral("imgIstruzioni02"), texts.howToGoOn, 140);
}

void ReceiptSheetDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (!event->spontaneous())
        logo_ = associationLogo(); // a logo changed since the last opening prints
}

// An error of the printout is left to the general error report: the dialog then stays open.
void ReceiptSheetDialog::fillAndOutput() {
    output(receiptSheet(receiptOnScreen(editor_), logo_));
    accept();
}
