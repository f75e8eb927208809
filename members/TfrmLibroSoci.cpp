#include "members/TfrmLibroSoci.h"

#include "rules/MembersRegister.h"
#include "rules/ReceiptSettings.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "ui/Clock.h"
#include "ui/ListReport.h"
#include "ui/MessageBox.h"
#include "ui/Shell.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmLibroSoci::TfrmLibroSoci(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmLibroSoci"), QStringLiteral(" Libro soci"),
                  QSize(460, 220)) {
    applyTextConventions();
    lblIstruzioni = addLabel(this, QStringLiteral("lblIstruzioni"),
                             QStringLiteral("Il libro soci elenca, in ordine di numero di tessera, "
                                            "i soci con l'abbonamento valido alla data indicata."),
                             QRect(20, 10, 420, 64));
    lblIstruzioni->setWordWrap(true);
    addCaption(this, QStringLiteral("lblData"), QStringLiteral("Soci al:"), QRect(20, 84, 90, 30),
               Fonts::caption());
    txtData = addEditBox(this, QStringLiteral("txtData"), QRect(120, 84, 130, 30),
                         Fonts::font(Fonts::Family::verdana(), 11, true));
    txtData->setInputMask(QStringLiteral("00/00/0000"));
    txtData->setText(dateText(today()));
    txtData->setToolTip(QStringLiteral("La data del libro soci, gg/mm/aaaa"));
    btnStampa = addButton(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa"),
                          QRect(20, 166, 130, 34));
    btnStampa->setToolTip(QStringLiteral("Stampa il libro soci"));
    btnEsporta = addButton(this, QStringLiteral("btnEsporta"), QStringLiteral("Esporta"),
                           QRect(165, 166, 130, 34));
    btnEsporta->setToolTip(QStringLiteral("Esporta il libro soci in un foglio di Excel"));
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(310, 166, 130, 34));
    onEnter(txtData, [this] { focusBox(btnStampa); });
    connect(btnStampa, &QPushButton::clicked, this, &TfrmLibroSoci::printRegister);
    connect(btnEsporta, &QPushButton::clicked, this, &TfrmLibroSoci::exportRegister);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    focusBox(txtData);
}

bool TfrmLibroSoci::readRegister(MembersRegister& found) {
    const QDate date = dateFromText(txtData->text());
    if (!date.isValid()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: indicare la data del libro soci (gg/mm/aaaa)."));
        focusBox(txtData);
        return false;
    }
    found = membersRegisterOf(membersArchivePath(), date);
    if (found.failed) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return false;
    }
    return true;
}

std::optional<Report> TfrmLibroSoci::registerReport() {
    MembersRegister found;
    if (!readRegister(found))
        return std::nullopt;
    std::array<QString, 5> association;
    try {
        association = associationLines();
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return std::nullopt;
    }
    const QString title = registerTitle(association, dateFromText(txtData->text()));
    return listReport(title, registerLines(found.rows));
}

void TfrmLibroSoci::printRegister() {
    if (const std::optional<Report> report = registerReport())
        printReport(this, *report);
}

void TfrmLibroSoci::exportRegister() {
    MembersRegister found;
    if (!readRegister(found))
        return;
    const SpreadsheetLayout layout = registerSpreadsheet();
    const QString path = programFile(layout.fileName);
    try {
        writeSpreadsheet(path, layout, registerTable(found.rows));
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error,
                    QStringLiteral("Attenzione: il sistema non permette di esportare il libro "
                                   "soci.\r\n\r\nAccertarsi che il file ") +
                        layout.fileName + QStringLiteral(" non sia già aperto."));
        return;
    }
    if (askQuestion(this, QStringLiteral("Il libro soci è stato esportato nel file ") +
                              layout.fileName +
                              QStringLiteral(".\r\n\r\nSi vuole aprire il file di Excel?")))
        open_with_shell(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}
