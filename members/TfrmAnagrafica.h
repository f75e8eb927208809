#pragma once

#include "app/ScreenKinds.h"

class HintLine;

// The member editor.
class TfrmAnagrafica : public PersistentScreen {
    Q_OBJECT
public:
    TfrmAnagrafica();

protected:
    void closeStep() override;

private:
    HintLine* hints_;
};
