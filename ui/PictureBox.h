#pragma once

#include <QImage>
#include <QWidget>

// A drawing of the program (an SVG resource) at a given size, on white.
QImage drawingOnWhite(const QString& svgResource, const QSize& size);

// A picture box: shows its picture scaled to fit, keeping its proportions, centred. The
// picture keeps its own pixel size; only the drawing is scaled. A box always holds a picture:
// with none of its own it shows its placeholder, whose size is the box's design size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Look { Plain, Framed }; // framed: on white, with a thin border

    PictureBox(const QString& objectName, const QImage& placeholder, QWidget* parent,
               Look look = Look::Plain);

    // A null picture puts the placeholder in its place.
    void setPicture(const QImage& picture);
    QImage picture() const { return picture_; }

    void showPlaceholder();
    bool showsPlaceholder() const { return showsPlaceholder_; }

    // Counts every change of picture, so a caller can tell whether the picture it put in the
    // box is still the one shown.
    int pictureChanges() const { return pictureChanges_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage placeholder_;
    QImage picture_;
    Look look_;
    bool showsPlaceholder_ = false;
    int pictureChanges_ = 0;
};
