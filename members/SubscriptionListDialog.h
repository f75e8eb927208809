#pragma once

#include "members/MemberListDialog.h"

class HintLine;

// A list of the members whose subscription needs attention today, built each time it is shown.
// Several lines can be chosen at once, to renew their subscriptions or to write them a reminder.
class SubscriptionListDialog : public MemberListDialog {
    Q_OBJECT
public:
    QPushButton *btnRinnova, *btnPromemoria;

protected:
    SubscriptionListDialog(QWidget* opener, const QString& objectName, const QString& title,
                           ExpiryList list);
    void buildList() override;

private:
    void addChoiceButtons();
    QList<ListEntry> chosenEntries(); // in list order
    void enableChoiceButtons();
    void renewChosen();
    void remindChosen();

    ExpiryList list_;
    HintLine* hints_;
};
