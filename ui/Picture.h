#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A picture drawn from an SVG, scaled to fit keeping its proportions; it may act as a button.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& objectName, const QString& svgPath, QWidget* parent);

    // A picture that acts as a button shows the pointing hand.
    void makeClickable();
    // It is also reached with the keyboard: it takes the focus, shows a frame while focused
    // after a keyboard move, and Enter or Space press it as a click does.
    void answerKeyboard();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer renderer_;
    bool pressed_ = false;
};
