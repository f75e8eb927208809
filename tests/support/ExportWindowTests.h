#pragma once

// What the tests of the two export windows share: correcting a cell of the grid as the user
// does, and answering the export's questions one by one.

#include "tests/support/ScreenTest.h"
#include "ui/MessageBox.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

const QString exportQuestion = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString openQuestion = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cell of the spreadsheet file as the exports write it.
inline QByteArray cell(const QByteArray& text) {
    return "<td style=\"text-align: left;\">" + text + "</td>";
}

// A cell of a code, amount or date column, which LibreOffice Calc too keeps as text.
inline QByteArray textCell(const QByteArray& text) {
    return "<td style=\"text-align: left;\" sdnum=\"1040;1040;@\">" + text + "</td>";
}

inline void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Double-clicks the cell and, when an editor opens on it, types the text over the cell's and
// leaves the editor open. Nothing when the cell cannot be edited.
inline QLineEdit* typeIntoCell(QTableView* grid, int row, int column, const QString& text) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    const QPoint centre = grid->visualRect(index).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!editor || !grid->viewport()->isAncestorOf(editor))
        return nullptr;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    typeText(editor, text);
    return editor;
}

// As above, and Enter ends the correction. False when the cell cannot be edited.
inline bool correctCell(QTableView* grid, int row, int column, const QString& text) {
    const QPointer<QLineEdit> editor = typeIntoCell(grid, row, column, text);
    if (!editor)
        return false;
    QTest::keyClick(editor, Qt::Key_Return);
    return QTest::qWaitFor([&] { return editor.isNull(); }); // the grid takes it in a moment
}

// A dialog shown over an active screen counts as active with it at once; keys reach it only once
// it is the active window itself.
inline bool waitUntilActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

inline QString cellText(const QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

inline QStringList headers(const QTableView* grid) {
    QStringList texts;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        texts.append(grid->model()->headerData(column, Qt::Horizontal).toString());
    return texts;
}

// The questions are answered in turn, Yes once the answers run out; every message is recorded.
inline void answerQuestions(ScreenTest& t, QList<bool> answers) {
    setMessageHandlerForTests([&t, answers](MessageKind kind, const QString& text) mutable {
        t.messages.append({kind, text});
        return kind != MessageKind::Question || answers.isEmpty() ? true : answers.takeFirst();
    });
}
