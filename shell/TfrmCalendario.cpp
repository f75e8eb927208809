#include "shell/TfrmCalendario.h"

#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

TfrmCalendario::TfrmCalendario(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmCalendario"), QStringLiteral(" Importazione data"),
                  QSize(380, 330)) {
    addLabel(this, QStringLiteral("lblImporta"), QStringLiteral("Importare una data:"),
             QRect(20, 12, 340, 24));
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(20, 42, 340, 220);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(today());
    btnImportaData = addButton(this, QStringLiteral("btnImportaData"), QStringLiteral("Importa"),
                               QRect(110, 278, 120, 34));
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(240, 278, 120, 34));
    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::importDate);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCalendario::setReturnTo(const QString& marker, QLineEdit* dateBox) {
    returnTo_ = marker;
    dateBox_ = dateBox;
}

namespace {
// The new expiry of the subscriptions chosen in a list: the opener reads the date itself.
const QString renewalMarker = QStringLiteral("rinnovo");
} // namespace

// Any other marker leaves the picker open with nothing written.
void TfrmCalendario::importDate() {
    if (returnTo_ == renewalMarker) {
        accept();
        return;
    }
    if (!isDateBoxMarker(returnTo_))
        return;
    if (!dateBox_) {
        reject();
        Q_ASSERT_X(false, "TfrmCalendario", "opened without the date box of its marker");
        throw std::logic_error("date picker opened without the date box of its marker");
    }
    dateBox_->setText(dateText(calAppuntamenti->selectedDate()));
    accept();
}

bool isDateBoxMarker(const QString& marker) {
    return marker == QStringLiteral("datasca") || marker == QStringLiteral("ricevute_data");
}

void pickDate(QWidget* opener, const QString& marker, QLineEdit* dateBox) {
    const QPointer<QLineEdit> box(dateBox);
    run_dialog<TfrmCalendario>(
        opener, [&](TfrmCalendario& picker) { picker.setReturnTo(marker, dateBox); });
    if (box)
        focusBox(box);
}

std::optional<QDate> pickRenewalDate(QWidget* opener) {
    std::optional<QDate> chosen;
    run_dialog<TfrmCalendario>(opener, [&chosen](TfrmCalendario& picker) {
        picker.setReturnTo(renewalMarker, nullptr);
        QObject::connect(&picker, &QDialog::accepted, &picker,
                         [&chosen, &picker] { chosen = picker.calAppuntamenti->selectedDate(); });
    });
    return chosen;
}
