#pragma once

#include "shell/ScreenKinds.h"

class QLabel;
class QPushButton;

// The program's splash picture, with the maker's web site as a link.
class TfrmSplash : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* opener);

    QLabel* lnkWeb;
    QPushButton* btnChiudi;
};
