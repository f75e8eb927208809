#pragma once

#include "app/ScreenKinds.h"

class HintLine;

// The receipt editor of one year's file.
class TfrmRicevute : public PersistentScreen {
    Q_OBJECT
public:
    TfrmRicevute();

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
