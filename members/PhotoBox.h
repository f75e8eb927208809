#pragma once

#include <QImage>
#include <QWidget>

// A photo box: shows its picture scaled to fit, keeping its proportions, centred. The picture
// keeps its own pixel size; only the drawing is scaled. A box always holds a picture: with
// none of its own it shows the placeholder.
class PhotoBox : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize DesignSize{366, 274};

    PhotoBox(const QString& objectName, QWidget* parent);

    // A null picture puts the placeholder in its place.
    void setPicture(const QImage& picture);
    QImage picture() const { return picture_; }

    void showPlaceholder();
    bool showsPlaceholder() const { return showsPlaceholder_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool showsPlaceholder_ = false;
};
