#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <Qt>

class QFont;
class QFrame;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class Picture;
class QWidget;

// Controls placed at fixed positions in a screen's container, named as the screens name them.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where);
QLineEdit* addEditBox(QWidget* parent, const QString& name, const QRect& where, const QFont& font);
// Buttons answer the keyboard: see answerKeyboard.
QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where);
// A focused button is pressed by Enter as by Space, and shows its focus however it got it.
void answerKeyboard(QPushButton* button);
// A picture the screen keeps without showing it (a built-in picture it hands out when asked).
QLabel* addHiddenPicture(QWidget* parent, const QString& name, const QImage& picture);
// A light rounded panel that groups controls, placed behind them.
QFrame* addPanel(QWidget* parent, const QString& name, const QRect& where);
// The same panel framing a group of controls of the same parent (given in the order they were
// made), a few pixels around them, above the panels already there and below the controls.
QFrame* addPanelBehind(const QString& name, const QList<QWidget*>& group, int margin = 3);

// The large screens: a rounded card on the background, a caption in the screens' dark text
// colour, and one of the program's pictures (":/pictures/<file>.svg").
QFrame* addCard(QWidget* parent, const QString& name, const QRect& where,
                const QString& background = QStringLiteral("rgba(255, 255, 255, 235)"));
QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                   const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
Picture* addPicture(QWidget* parent, const QString& name, const QString& file, const QRect& where);

// The program's looks, each written once.
// The blue of titles and headings.
inline const QColor titleBlue{0x1F, 0x4E, 0x9A};
void setTextColour(QWidget* control, const QColor& colour);
// A dialog's boxed instruction: wrapped dark text on the panels' light colour.
QLabel* addInstruction(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where);
// The white band at the top of a small dialog that holds its title and instructions.
QFrame* addInstructionBand(QWidget* parent, const QRect& where);
// The title card of the large menus: blue text on a pale gradient, rounded.
void styleTitleCard(QLabel* title);
// The large boxes of the menus (year, payer): blue text, rounded, orange while focused; a
// padded box keeps its text off the border.
void styleLargeBox(QLineEdit* box, bool padded = false);
// The position of the record on screen, between an editor's arrows.
void stylePositionBox(QLabel* position);

// The help and exit pictures at the right of a large screen's dock, captioned and clickable;
// exit goes back to the main menu.
struct HelpAndExit {
    Picture* help;
    Picture* exit;
};
HelpAndExit addHelpAndExit(QWidget* dock);
