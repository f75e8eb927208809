#include "members/MemberCardDialog.h"

#include "members/PhotoBox.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "ui/Clock.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr QSize dialogSize{420, 330};
constexpr int panelHeight = 268;
constexpr int textLeft = 16;
constexpr int textWidth = 388;

QImage blankPhoto() {
    QImage blank(PhotoBox::DesignSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QRect instructionAt(int top) {
    return QRect(textLeft, top, textWidth, 70);
}

QRadioButton* addOption(QWidget* panel, const QString& name, const QString& text, int top) {
    auto* option = new QRadioButton(text, panel);
    option->setObjectName(name);
    option->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    option->setGeometry(textLeft + 10, top, textWidth - 10, 28);
    return option;
}

} // namespace

MemberCardDialog::MemberCardDialog(QWidget* opener, const MemberCardDialogTexts& texts)
    : FixedDialog(opener, texts.objectName, texts.caption, dialogSize) {
    applyTextConventions();
    QFrame* panel = addInstructionBand(this, QRect(0, 0, dialogSize.width(), panelHeight));
    addInstruction(panel, QStringLiteral("imgIstruzioni01"), texts.whatItDoes, instructionAt(14));
    optUno = addOption(panel, QStringLiteral("optUno"), texts.withPhoto, 96);
    optDue = addOption(panel, QStringLiteral("optDue"), texts.withoutPhoto, 128);
    optUno->setChecked(true);
    addInstruction(panel, QStringLiteral("imgIstruzioni02"), texts.howToGoOn, instructionAt(184));

    const int buttonsTop = panelHeight + 16;
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(textLeft, buttonsTop, 120, 34));
    btnStampa = addButton(this, QStringLiteral("btnStampa"), texts.confirm,
                          QRect(dialogSize.width() - textLeft - 170, buttonsTop, 170, 34));
    connect(optUno, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            photoChoice_ = MemberCardPhoto::With;
    });
    connect(optDue, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            photoChoice_ = MemberCardPhoto::Without;
    });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &MemberCardDialog::fillAndOutput);
}

void MemberCardDialog::setMember(const MemberRecord& member, const QImage& photo) {
    member_ = member;
    photo_ = photo.isNull() ? blankPhoto() : photo;
}

// An error of the printout is left to the general error report: the window then stays open.
void MemberCardDialog::fillAndOutput() {
    output(memberCard(member_, photoChoice_, photo_, now()));
    accept();
}
