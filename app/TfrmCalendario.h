#pragma once

#include "app/ScreenKinds.h"

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// The date picker: a day chosen on a month calendar goes into the date box of the screen
// that opened it, which the return-to marker names.
class TfrmCalendario : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* opener);

    void setReturnTo(const QString& marker) { returnTo_ = marker; }

    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;

private:
    void importDate();

    QString returnTo_;
};

// The date box that a marker names: "datasca" the member editor's expiry date,
// "ricevute_data" the receipt editor's date; nothing for any other word (compared exactly).
QLineEdit* dateTargetFor(const QString& marker);

// Runs the picker for a date box of the opener.
void pickDate(QWidget* opener, const QString& marker);
