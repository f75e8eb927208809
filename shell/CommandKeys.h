#pragma once

#include <QKeySequence>
#include <QString>

class HintLine;
class QPushButton;

// Presses button when key is pressed anywhere in the button's window, also while the focus is
// in an edit box that would otherwise keep the key for itself (Ctrl+Home, Page Down, ...). A
// hidden or disabled button is not pressed. The button's hint ends with the key's name.
void bindKey(HintLine* hints, QPushButton* button, const QKeySequence& key, const QString& keyName);

// The command buttons that the two editors share; each gets the same key in both.
struct EditorCommands {
    QPushButton* save;
    QPushButton* newRecord;
    QPushButton* duplicate;
    QPushButton* find;
    QPushButton* print;
    QPushButton* first;
    QPushButton* previous;
    QPushButton* next;
    QPushButton* last;
    QPushButton* help;
};
void bindEditorKeys(HintLine* hints, const EditorCommands& commands);
