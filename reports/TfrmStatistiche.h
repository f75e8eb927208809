#pragma once

#include "app/ScreenKinds.h"

class HintLine;

// The chart of a year's income, month by month.
class TfrmStatistiche : public PersistentScreen {
    Q_OBJECT
public:
    TfrmStatistiche();

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
