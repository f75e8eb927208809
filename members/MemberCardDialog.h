#pragma once

#include "members/MemberCardSheet.h"
#include "shell/ScreenKinds.h"

#include <QImage>

class QPushButton;
class QRadioButton;

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

// The member editor's card print and preview windows: the card the editor hands over, with
// its photo or with a box for notes.
class MemberCardDialog : public FixedDialog {
    Q_OBJECT
public:
    QRadioButton* optUno;
    QRadioButton* optDue;
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

    MemberCardPhoto photoChoice() const { return photoChoice_; }
    // The card as the editor shows it, whether saved or not, and its photo.
    void setMember(const MemberRecord& member, const QImage& photo);

protected:
    MemberCardDialog(QWidget* opener, const MemberCardDialogTexts& texts);
    // Prints or previews the filled card.
    virtual void output(const Report& card) = 0;

private:
    void fillAndOutput();

    MemberRecord member_;
    MemberCardPhoto photoChoice_ = MemberCardPhoto::With;
    QImage photo_;
};
