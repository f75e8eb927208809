#pragma once

#include "shell/ScreenKinds.h"

class PhotoBox;

// The photo full screen, enlarged when smaller than the screen; a click on it closes the
// window.
class TfrmZoom : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* opener);

    void setPicture(const QImage& picture);

    QWidget* panContainer;
    PhotoBox* imgFoto;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placePicture();
};
