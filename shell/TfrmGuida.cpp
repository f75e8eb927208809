#include "shell/TfrmGuida.h"

#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/TextLink.h"
#include "storage/ProgramFolder.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TfrmGuida::TfrmGuida(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmGuida"),
                  QStringLiteral(" Guida all'utilizzo del software"), QSize(720, 560)) {
    lblTitolo = addLabel(this, QStringLiteral("lblTitolo"),
                         QStringLiteral("Argomento della guida."), QRect(20, 15, 680, 32));
    lblTitolo->setFont(Fonts::helpTitle());
    setTextColour(lblTitolo, QColor(0xDC, 0x14, 0x3C));

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setFont(Fonts::helpText());
    txtGuida->setGeometry(20, 55, 680, 430);

    auto* imgPDF =
        new Picture(QStringLiteral("imgPDF"), QStringLiteral(":/pictures/pdf.svg"), this);
    imgPDF->setGeometry(20, 505, 32, 32);
    lnkWeb = addLabel(this, QStringLiteral("lnkWeb"),
                      QStringLiteral("Visualizza guida in formato PDF"), QRect(60, 510, 360, 24));
    makeTextLink(lnkWeb, imgPDF, [] { open_with_shell(userGuideTarget()); });

    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(580, 503, 120, 34));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::setTopic(const QString& title, const QString& text) {
    lblTitolo->setText(title);
    txtGuida->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void showHelp(QWidget* opener, const QString& title, const QString& text) {
    run_dialog<TfrmGuida>(opener, [&](TfrmGuida& help) { help.setTopic(title, text); });
}

QString userGuideTarget() {
    return QLatin1Char('"') + QDir::toNativeSeparators(programFile(QStringLiteral("Guida.pdf"))) +
           QLatin1Char('"');
}
