#pragma once

#include "app/ScreenKinds.h"

// The income menu: period and payer of the income summary.
class TfrmMenuRiepLavoro : public PersistentScreen {
    Q_OBJECT
public:
    TfrmMenuRiepLavoro();

protected:
    void closeStep() override;
};
