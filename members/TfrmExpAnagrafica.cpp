#include "members/TfrmExpAnagrafica.h"

#include "members/MembersExportHelpText.h"
#include "storage/ProgramFolder.h"
#include "ui/DialogRunner.h"

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* opener)
    : SpreadsheetExportWindow(opener, QStringLiteral("TfrmExpAnagrafica"),
                              QStringLiteral(" Esporta archivio soci in Microsoft Excel"),
                              membersSpreadsheet(),
                              {membersExportHelpTitle(), membersExportHelpText()}) {}

void TfrmExpAnagrafica::loadRows(SpreadsheetTable& rows) {
    appendMemberRows(membersArchivePath(), rows); // a read error keeps the rows read so far
}

void exportMembers(QWidget* opener) {
    run_dialog<TfrmExpAnagrafica>(opener);
}
