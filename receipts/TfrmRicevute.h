#pragma once

#include "shell/ScreenKinds.h"

class HintLine;

// The receipt editor of one year's file.
class TfrmRicevute : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmRicevute(ScreenFlow& screenFlow);

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
