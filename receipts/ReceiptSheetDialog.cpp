#include "receipts/ReceiptSheetDialog.h"

#include "receipts/ReceiptSheet.h"
#include "receipts/TfrmLogo.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize dialogSize{364, 287};
constexpr int panelHeight = 225;
constexpr int textLeft = 16;
constexpr int textWidth = 332;

} // namespace

ReceiptSheetDialog::ReceiptSheetDialog(QWidget* opener, const ReceiptSheetDialogTexts& texts)
    : FixedDialog(opener, texts.objectName, texts.caption, dialogSize) {
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
    QFrame* panel = addInstructionBand(this, QRect(0, 0, dialogSize.width(), panelHeight));

    QLabel* title = addLabel(panel, QStringLiteral("imgTitolo"), texts.title,
                             QRect(textLeft, 14, textWidth, 34));
    title->setFont(Fonts::font(Fonts::Family::verdana(), 14, true));
    setTextColour(title, titleBlue);
    addInstruction(panel, QStringLiteral("imgIstruzioni01"), texts.whatItDoes,
                   QRect(textLeft, 56, textWidth, 76));
    addInstruction(panel, QStringLiteral("imgIstruzioni02"), texts.howToGoOn,
                   QRect(textLeft, 140, textWidth, 76));
}

void ReceiptSheetDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (!event->spontaneous())
        logo_ = associationLogo(); // a logo changed since the last opening prints
}

// An error of the printout is left to the general error report: the dialog then stays open.
void ReceiptSheetDialog::fillAndOutput() {
    output(receiptSheet(receipt_, logo_));
    accept();
}
