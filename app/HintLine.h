#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

class QLabel;
class QWidget;

// The hint line panInfo at the bottom of a screen: it shows the hint of the button or picture
// under the mouse, and is emptied when the mouse crosses the background (the window, its
// container, decorative pictures and plain labels). Edit boxes and other controls without a
// hint leave it as it is.
class HintLine : public QObject {
public:
    HintLine(QLabel* panInfo, QWidget* window);
    ~HintLine() override;

    void addHint(QWidget* control, const QString& hint);
    void addBackground(QWidget* decoration);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isBackground(const QWidget* widget) const;

    QLabel* panInfo_;
    QWidget* window_;
    std::optional<QPoint> mouseAtShow_;
};

class PersistentScreen;
// The hint line strip at the bottom of a screen's container, showing its initial text.
HintLine* addHintLine(PersistentScreen* screen, const QString& initialText);
