#pragma once

#include "shell/ScreenKinds.h"

class HintLine;

// The chart of a year's income, month by month.
class TfrmStatistiche : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmStatistiche(ScreenFlow& screenFlow);

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
