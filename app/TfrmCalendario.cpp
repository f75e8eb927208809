#include "app/TfrmCalendario.h"

#include "app/Controls.h"
#include "app/ScreenFlow.h"
#include "app/TextRules.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

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

void TfrmCalendario::importDate() {
    QLineEdit* target = dateTargetFor(returnTo_);
    if (!target)
        return;
    target->setText(dateText(calAppuntamenti->selectedDate()));
    accept();
}

QLineEdit* dateTargetFor(const QString& marker) {
    Screen screen;
    QString box;
    if (marker == QStringLiteral("datasca")) {
        screen = Screen::Anagrafica;
        box = QStringLiteral("txtDataSca");
    } else if (marker == QStringLiteral("ricevute_data")) {
        screen = Screen::Ricevute;
        box = QStringLiteral("txtData");
    } else {
        return nullptr;
    }
    QWidget* owner = ScreenFlow::screen(screen);
    return owner ? owner->findChild<QLineEdit*>(box) : nullptr;
}

void pickDate(QWidget* opener, const QString& marker) {
    run_dialog<TfrmCalendario>(opener, [&](TfrmCalendario& picker) { picker.setReturnTo(marker); });
}
