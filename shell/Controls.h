#pragma once

#include <QRect>
#include <QString>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at fixed positions in a screen's container, named as the screens name them.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where);
QLineEdit* addEditBox(QWidget* parent, const QString& name, const QRect& where, const QFont& font);
QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where);
// A light rounded panel that groups controls, placed behind them.
QFrame* addPanel(QWidget* parent, const QString& name, const QRect& where);
