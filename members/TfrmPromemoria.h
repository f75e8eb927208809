#pragma once

#include "shell/ScreenKinds.h"
#include "storage/MemberRecord.h"

#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// A reminder to the members chosen in a subscription list: one new message in the e-mail
// program, every member with an address in blind copy, its subject and text written here first.
// The members without a usable address are listed, since the message does not reach them.
class TfrmPromemoria : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmPromemoria(QWidget* opener);

    void setMembers(const QList<MemberRecord>& members);

    QLabel *lblOggetto, *lblTesto, *lblSenzaEmail;
    QLineEdit* txtOggetto;
    QPlainTextEdit* txtTesto;
    QListWidget* lstSenzaEmail;
    QPushButton *btnApriEmail, *btnAnnulla;

private:
    void openMessage();

    QStringList addresses_;
};
