#include "program/guide/GuideChapters.h"

#include "members/MembersExportHelpText.h"
#include "members/MembersHelpText.h"
#include "receipts/ReceiptsExportHelpText.h"
#include "receipts/ReceiptsHelpText.h"
#include "reports/IncomeSummaryHelpText.h"
#include "reports/StatisticsHelpText.h"
#include "shell/GeneralHelpText.h"
#include "shell/KeyboardHelpText.h"

// One line per help window, then the keys that every screen shares; the guide's table of
// contents follows this order.
QList<GuideChapter> guideChapters() {
    return {
        {generalHelpTitle(), generalHelpText()},
        {membersHelpTitle(), membersHelpText()},
        {membersExportHelpTitle(), membersExportHelpText()},
        {receiptsHelpTitle(), receiptsHelpText()},
        {receiptsExportHelpTitle(), receiptsExportHelpText()},
        {statisticsHelpTitle(), statisticsHelpText()},
        {incomeSummaryHelpTitle(), incomeSummaryHelpText()},
        {keyboardHelpTitle(), keyboardHelpText()},
    };
}
