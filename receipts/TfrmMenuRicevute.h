#pragma once

#include "shell/ScreenKinds.h"

// The receipts menu. Its return-to marker says which screen its closing shows:
// "avvio" the main menu, "ricevute" the receipt editor, "statistiche" the statistics.
class TfrmMenuRicevute : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(ScreenFlow& screenFlow);

    // Closes the menu towards the screen the marker names.
    void closeTowards(const QString& marker);
    QString returnTo() const { return returnTo_; }

protected:
    void onShow() override;
    void closeStep() override;

private:
    QString returnTo_;
};
