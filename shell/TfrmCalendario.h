#pragma once

#include "shell/ScreenKinds.h"

#include <QDate>
#include <QPointer>
#include <optional>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// The date picker: a day chosen on a month calendar goes into the date box of the screen
// that opened it. The opener hands over its box with the return-to marker that names it.
class TfrmCalendario : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* opener);

    void setReturnTo(const QString& marker, QLineEdit* dateBox);

    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;

private:
    void importDate();

    QString returnTo_;
    QPointer<QLineEdit> dateBox_;
};

// Whether the marker names a date box: "datasca" the member editor's expiry date,
// "ricevute_data" the receipt editor's date (compared exactly, without trimming).
bool isDateBoxMarker(const QString& marker);

// Runs the picker for a date box of the opener, named by its marker.
void pickDate(QWidget* opener, const QString& marker, QLineEdit* dateBox);

// Runs the picker for a date that the opener uses itself, the new expiry of the subscriptions
// chosen in a list (marker "rinnovo"); nothing when the picker is cancelled.
std::optional<QDate> pickRenewalDate(QWidget* opener);
