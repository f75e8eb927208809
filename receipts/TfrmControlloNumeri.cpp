#include "receipts/TfrmControlloNumeri.h"

#include "shell/Controls.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "storage/ProgramFolder.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QPushButton>
#include <optional>

namespace {
constexpr int yearDigits = 4;
}

TfrmControlloNumeri::TfrmControlloNumeri(QWidget* opener)
    : ReceiptListDialog(opener, {QStringLiteral("TfrmControlloNumeri"),
                                 QStringLiteral(" Controllo numerazione ricevute"),
                                 QStringLiteral("Controllo numerazione ricevute"),
                                 SummaryListModel::Order::AsRead, true}) {}

void TfrmControlloNumeri::buildList() {
    NumberingCheck check = checkReceiptNumbers(receiptsFile());
    showEntries(std::move(check.concerned), 0);
    if (check.failed)
        showMessage(this, MessageKind::Error, archiveAccessMessage());
}

NumberingNotice::NumberingNotice(QWidget* panel, const QRect& where, ReceiptLoader open)
    : QObject(panel), open_(std::move(open)) {
    const int buttonWidth = 110;
    lblNumerazione = addCaption(
        panel, QStringLiteral("lblNumerazione"), QString(),
        QRect(where.x(), where.y(), where.width() - buttonWidth - 10, where.height()),
        Fonts::font(Fonts::Family::verdana(), 9, false), Qt::AlignLeft | Qt::AlignVCenter);
    lblNumerazione->setWordWrap(true);
    btnControlloNumeri =
        addButton(panel, QStringLiteral("btnControlloNumeri"), QStringLiteral("Elenco"),
                  QRect(where.right() - buttonWidth + 1, where.y() + (where.height() - 34) / 2,
                        buttonWidth, 34));
    btnControlloNumeri->setToolTip(
        QStringLiteral("Elenca le ricevute con numeri mancanti o ripetuti"));
    connect(btnControlloNumeri, &QPushButton::clicked, this, &NumberingNotice::listConcerned);
}

void NumberingNotice::showYear(const QString& year) {
    const bool isYear = year.size() == yearDigits;
    path_ = isYear ? receiptsArchivePath(year.toInt()) : QString();
    NumberingCheck check;
    if (isYear)
        check = checkReceiptNumbers(path_);
    lblNumerazione->setText(isYear ? numberingSummary(check) : QString());
    btnControlloNumeri->setEnabled(isYear && check.concerned.size() > 0);
}

// The editor is shown once the list has closed, so that the menu is left from its own screen.
void NumberingNotice::listConcerned() {
    std::optional<qint64> chosen;
    run_dialog<TfrmControlloNumeri>(btnControlloNumeri->window(), [&](TfrmControlloNumeri& list) {
        list.setReceiptsFile(path_, [&chosen](qint64 position) { chosen = position; });
    });
    if (chosen)
        open_(*chosen);
}
