#pragma once

#include "shell/ScreenKinds.h"

// The income menu: period and payer of the income summary.
class TfrmMenuRiepLavoro : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmMenuRiepLavoro(ScreenFlow& screenFlow);

protected:
    void closeStep() override;
};
