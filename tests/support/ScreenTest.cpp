#include "tests/support/ScreenTest.h"

#include "storage/ProgramFolder.h"
#include "tests/support/TestSeams.h"
#include "ui/Shell.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

void ScreenTest::setUpSeams() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    folder_ = std::make_unique<QTemporaryDir>();
    setProgramFolderForTests(folder_->path());
    messages.clear();
    shellTargets.clear();
    questionAnswer = true;
    questionAnswers.clear();
    setMessageHandlerForTests([this](MessageKind kind, const QString& text) {
        messages.append({kind, text});
        if (kind == MessageKind::Question && !questionAnswers.isEmpty())
            return questionAnswers.takeFirst();
        return questionAnswer;
    });
    setShellHandlerForTests([this](const QString& target) { shellTargets.append(target); });
}

void ScreenTest::tearDownSeams() {
    resetSeamsForTests();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    setProgramFolderForTests(QString());
    folder_.reset();
}

void ScreenTest::writeProgramFile(const QString& name, const QByteArray& bytes) const {
    QFile file(folder_->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const char16_t upper = c.toUpper().unicode();
        const auto key = upper < 0x80 ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}
