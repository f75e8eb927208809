#pragma once

#include "shell/ScreenFlow.h"
#include "shell/ScreenKinds.h"

#include <functional>

class Picture;
class QLabel;

// The main menu: pictures that lead to the three applications, information, help, the
// maker's site and the way out. Closing it ends the program. Tab and the arrow keys move
// between the pictures, Enter or Space open what a click opens.
class TfrmAvvio : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(ScreenFlow& screenFlow);

    // What a click on the count of subscriptions needing attention opens.
    void setExpiryListOpener(std::function<void()> openList) {
        openExpiryList_ = std::move(openList);
    }

protected:
    void onShow() override;
    void closeStep() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Picture* addPicture(const QString& name, const QString& file, const QRect& where);
    void addApplication(const QString& area, int column, Screen target);
    void addTools();
    void addToKeyboard(Picture* picture);
    void addExpiryNotice();
    void refreshExpiryNotice();

    QLabel* lblScadenze = nullptr;
    std::function<void()> openExpiryList_;

    QList<Picture*> keyboardPictures_; // in the order that Tab follows
};
