#include "members/MemberCardDialog.h"

#include "members/PhotoBox.h"
#include "members/TfrmAnagrafica.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "storage/TextCodec.h"
#include "ui/Clock.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

constexpr QSize dialogSize{420, 330};
constexpr int panelHeight = 268;
constexpr int textLeft = 16;
constexpr int textWidth = 388;

// The member exactly as the editor shows it, trimmed, whether saved or not.
MemberRecord memberOnScreen(const TfrmAnagrafica& editor) {
    const auto text = [](const QLineEdit* box) { return trimBlanks(box->text()); };
    MemberRecord member;
    member.Dipendente = text(editor.txtDipendente);
    member.Cittadinanza = text(editor.txtCittadinanza);
    member.Stipendio = text(editor.txtStipendio);
    member.Luogo = text(editor.txtLuogo);
    member.DataNasc = text(editor.txtDataNasc);
    member.CodFisc = text(editor.txtCodFisc);
    member.PartitaIva = text(editor.txtPartitaIva);
    member.Indirizzo = text(editor.txtIndirizzo);
    member.Citta = text(editor.txtCitta);
    member.Prov = text(editor.txtProv);
    member.Cap = text(editor.txtCap);
    member.Qualifiche = text(editor.txtQualifiche);
    member.Familiari = text(editor.txtFamiliari);
    member.Iban = text(editor.txtIban);
    member.Note = text(editor.txtNote);
    member.DataSca = text(editor.txtDataSca);
    member.Recapito = text(editor.txtRecapito);
    member.Email = text(editor.txtEmail);
    return member;
}

QImage blankPhoto() {
    QImage blank(PhotoBox::DesignSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

QLabel* addInstruction(QWidget* panel, const QString& name, const QString& text, int top) {
    QLabel* label = addLabel(panel, name, text, QRect(textLeft, top, textWidth, 70));
    label->setFont(Fonts::font(Fonts::Family::verdana(), 10, false));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(10, 0, 10, 0);
    label->setStyleSheet(QStringLiteral("QLabel { color: #1C2530; background-color: #F4F7FC; "
                                        "border: 1px solid #9DB3D6; border-radius: 6px; }"));
    return label;
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
    : FixedDialog(opener, texts.objectName, texts.caption, dialogSize),
      editor_(dynamic_cast<const TfrmAnagrafica&>(*opener)) {
    applyTextConventions();
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panIstruzioni"));
    panel->setGeometry(0, 0, dialogSize.width(), panelHeight);
    panel->setStyleSheet(QStringLiteral("QFrame#panIstruzioni { background-color: white; }"));
    addInstruction(panel, QStringLiteral("imgIstruzioni01"), texts.whatItDoes, 14);
    optUno = addOption(panel, QStringLiteral("optUno"), texts.withPhoto, 96);
    optDue = addOption(panel, QStringLiteral("optDue"), texts.withoutPhoto, 128);
    optUno->setChecked(true);
    addInstruction(panel, QStringLiteral("imgIstruzioni02"), texts.howToGoOn, 184);

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

void MemberCardDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    photo_ = editor_.imgFoto->picture();
    if (photo_.isNull())
        photo_ = blankPhoto();
}

// An error of the printout is left to the general error report: the window then stays open.
void MemberCardDialog::fillAndOutput() {
    output(memberCard(memberOnScreen(editor_), photoChoice_, photo_, now()));
    accept();
}
