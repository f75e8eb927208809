#pragma once

#include "ui/MessageBox.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <stdexcept>

// The control of a screen with that object name; a missing one fails the test by its name.
template <class T> T* control(const QObject* screen, const QString& name) {
    T* found = screen->findChild<T*>(name);
    if (!found) {
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        throw std::runtime_error("missing control");
    }
    return found;
}

// What a screen test sees of the outside world: a fresh program folder, the messages shown
// and the shell targets opened.
class ScreenTest {
public:
    void setUpSeams();    // call from init()
    void tearDownSeams(); // call from cleanup(): resets every seam, closes every window

    QString programFolder() const { return folder_->path(); }
    void writeProgramFile(const QString& name, const QByteArray& bytes) const;

    struct Message {
        MessageKind kind;
        QString text;
    };
    QList<Message> messages;
    QStringList shellTargets;
    bool questionAnswer = true;
    QList<bool> questionAnswers; // answers to the next questions in turn, then questionAnswer

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

// Presses a sequence of keys (and types text) in a widget with the focus.
void typeText(QWidget* widget, const QString& text);
