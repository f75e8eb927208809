#pragma once

#include "shell/ScreenKinds.h"

class QLabel;
class QPushButton;

// About the program, with the maker's e-mail address as a link.
class TfrmInfo : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* opener);

    QLabel* lnkWeb;
    QPushButton* btnChiudi;
    QPushButton* btnCopie; // the backup copies
};

// The shell target that opens a new e-mail to the maker with subject and first line.
QString makerEmailTarget();
