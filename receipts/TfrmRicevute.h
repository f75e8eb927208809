#pragma once

#include "shell/ScreenKinds.h"

class HintLine;

// The receipt editor of one year's file.
class TfrmRicevute : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmRicevute(ScreenFlow& screenFlow);

    // The year whose file the editor works on from its next showing: four digits.
    void setYear(const QString& year);
    QString filePath() const { return filePath_; }

protected:
    void closeStep() override;

private:
    HintLine* hints_;
    QString filePath_;
};
