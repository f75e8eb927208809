#pragma once

#include "members/MemberCardSheet.h"
#include "shell/ScreenKinds.h"

#include <QImage>

class QPushButton;
class QRadioButton;
class TfrmAnagrafica;

// What the two member card windows say and what their confirm button does.
struct MemberCardDialogTexts {
    QString objectName;
    QString caption;
    QString whatItDoes;
    QString withPhoto;
    QString withoutPhoto;
    QString howToGoOn;
    QString confirm;
};

// The member editor's card print and preview windows: the card as the editor shows it, with
// the photo or with a box for notes.
class MemberCardDialog : public FixedDialog {
    Q_OBJECT
public:
    QRadioButton* optUno;
    QRadioButton* optDue;
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

    MemberCardPhoto photoChoice() const { return photoChoice_; }

protected:
    // The opener must be the member editor.
    MemberCardDialog(QWidget* opener, const MemberCardDialogTexts& texts);

    void showEvent(QShowEvent* event) override;
    // Prints or previews the filled card.
    virtual void output(const Report& card) = 0;

private:
    void fillAndOutput();

    const TfrmAnagrafica& editor_;
    MemberCardPhoto photoChoice_ = MemberCardPhoto::With;
    QImage photo_;
};
