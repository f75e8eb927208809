#pragma once

#include "shell/ScreenKinds.h"

class HintLine;

// The member editor.
class TfrmAnagrafica : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(ScreenFlow& screenFlow);

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
