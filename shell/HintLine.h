#pragma once

#include <QObject>

class PersistentScreen;
class QLabel;
class QPoint;
class QRect;
class QWidget;

// The hint line panInfo at the bottom of a screen: when the mouse moves over a button or picture
// with a hint, the line shows it; over the background (the window, its container, decorative
// pictures and plain labels) the line is emptied; edit boxes and other controls without a hint
// leave it as it is. Only mouse moves count, so a screen shown under a resting mouse keeps its
// initial text until the mouse moves. It watches the widgets of its own screen only.
class HintLine : public QObject {
public:
    HintLine(QLabel* panInfo, QWidget* window);

    void addHint(QWidget* control, const QString& hint);
    // The control's hint goes on to name the key that presses it: "... (Ctrl+S)".
    void addKeyToHint(QWidget* control, const QString& keyName);
    void addBackground(QWidget* decoration);
    QLabel* panInfo() const { return panInfo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    void followMouseAt(const QPoint& globalPosition);
    bool isBackground(const QWidget* widget) const;

    QLabel* panInfo_;
    QWidget* window_;
};

// The hint line strip along the bottom of a panel (a screen's container, a dialog) for the
// controls of its window, showing its initial text.
HintLine* addHintLine(QWidget* panel, QWidget* window, const QString& initialText);
// The same line where a crowded window has room for it.
HintLine* addHintLine(QWidget* panel, QWidget* window, const QString& initialText,
                      const QRect& where);
HintLine* addHintLine(PersistentScreen* screen, const QString& initialText);
