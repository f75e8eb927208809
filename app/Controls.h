#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at fixed positions in a screen's container, named as the screens name them.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where);
QLineEdit* addEditBox(QWidget* parent, const QString& name, const QRect& where, const QFont& font);
QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where);

// Runs check after every change of the box's text and every key release in it.
void onTyping(QLineEdit* box, std::function<void()> check);
