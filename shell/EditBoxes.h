#pragma once

#include "rules/TextRules.h"

#include <QList>
#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

// Behaviour that a screen gives its edit boxes, one call per rule. Each box has one behaviour
// object that applies its key rules in a fixed order, whatever the order of the calls: Enter
// first, then the date box, then the key filter.

// Runs action for every key pressed in the box, before any other rule, whether the key is
// then taken, discarded or handled as Enter.
void onAnyKey(QWidget* box, std::function<void()> action);

// Enter (either Enter key) runs action instead of reaching the box.
void onEnter(QWidget* box, std::function<void()> action);

// Moves the focus to the box as a keyboard step does: a text box's whole text is selected, so
// that what is typed next replaces what it shows.
void focusBox(QWidget* box);

// Enter moves the focus to the next box of the order; in a ring the last leads to the first.
enum class EnterOrder { Chain, Ring };
void chainEnter(const QList<QWidget*>& order, EnterOrder kind);

// Discards every key the filter does not accept. Focus keys (Tab) go on.
void filterKeys(QLineEdit* box, KeyFilter filter);

// Rewrites the box's text after every typed change.
enum class Rewrite { Trimmed, UpperTrimmed };
void rewriteWhileTyping(QLineEdit* box, Rewrite rule);

// A read-only date box: Backspace or Delete empties it, any other key opens the picker.
void makeDateBox(QLineEdit* box, std::function<void()> openPicker);

// The box's leave step: runs when the box loses the focus, after its highlight is gone.
void onLeave(QWidget* box, std::function<void()> action);

// Runs check after every change of the box's text and every key release in it.
void onTyping(QLineEdit* box, std::function<void()> check);

// The focused box is marked by a yellow frame behind it (named "eff" + the box's name without
// its "txt" prefix), 4 pixels larger on every side.
QWidget* addFocusFrame(QLineEdit* box);
// The focused box is tinted yellow, the others alice blue, all with a sky-blue border.
void addFocusTint(QLineEdit* box);

// The invisible button btnFocus that takes the focus before a save, so that the box being
// typed in runs its leave step first.
QPushButton* addFocusSink(QWidget* container);
void endEditing(QPushButton* focusSink);
