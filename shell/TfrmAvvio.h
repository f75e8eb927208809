#pragma once

#include "shell/ScreenFlow.h"
#include "shell/ScreenKinds.h"

class Picture;

// The main menu: pictures that lead to the three applications, information, help, the
// maker's site and the way out. Closing it ends the program. Tab and the arrow keys move
// between the pictures, Enter or Space open what a click opens.
class TfrmAvvio : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(ScreenFlow& screenFlow);

protected:
    void closeStep() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture* addPicture(const QString& name, const QString& file, const QRect& where);
    void addApplication(const QString& area, int column, Screen target);
    void addTools();
    void addToKeyboard(Picture* picture);

    QList<Picture*> keyboardPictures_; // in the order that Tab follows
};
