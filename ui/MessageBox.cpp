#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {

MessageHandler& testHandler() {
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Plain:
        return QMessageBox::NoIcon;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Plain:
        return QMessageBox::Ok;
    case MessageKind::Question:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok | QMessageBox::Cancel;
    }
}

// Italian even where the toolkit's translations are missing.
void nameButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, QString> names[] = {
        {QMessageBox::Ok, QStringLiteral("OK")},
        {QMessageBox::Cancel, QStringLiteral("Annulla")},
        {QMessageBox::Yes, QStringLiteral("Sì")},
        {QMessageBox::No, QStringLiteral("No")},
    };
    for (const auto& [which, name] : names)
        if (QAbstractButton* button = box.button(which))
            button->setText(name);
}

bool runBox(QWidget* parent, MessageKind kind, const QString& text) {
    if (testHandler())
        return testHandler()(kind, text);
    QMessageBox box(iconOf(kind), QStringLiteral("Velarno"), text, buttonsOf(kind), parent);
    nameButtons(box);
    box.setDefaultButton(kind == MessageKind::Question ? QMessageBox::Yes : QMessageBox::Ok);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void showMessage(QWidget* parent, MessageKind kind, const QString& text) {
    runBox(parent, kind, text);
}

bool askQuestion(QWidget* parent, const QString& text) {
    return runBox(parent, MessageKind::Question, text);
}

void setMessageHandlerForTests(MessageHandler handler) {
    testHandler() = std::move(handler);
}
