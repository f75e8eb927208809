#pragma once

#include "shell/ScreenKinds.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The help window: a topic title and its text, with a link to the PDF user guide.
class TfrmGuida : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* opener);

    void setTopic(const QString& title, const QString& text);

    QLabel* lblTitolo;
    QPlainTextEdit* txtGuida;
    QLabel* lnkWeb;
    QPushButton* btnChiudi;
};

// Runs the help window over the opener with a topic of the opener's.
void showHelp(QWidget* opener, const QString& title, const QString& text);

// The shell target of the PDF user guide: its path in quotes.
QString userGuideTarget();
