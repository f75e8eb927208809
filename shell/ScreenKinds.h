#pragma once

#include <QDialog>
#include <QWidget>

class ScreenFlow;

// A screen that lives for the whole run and is only shown and hidden. A maximized one holds
// its controls in the fixed-size container panContainer, centred on a blue-to-white
// background.
class PersistentScreen : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Maximized, Compact };
    static constexpr QSize ContainerSize{995, 692};

    PersistentScreen(ScreenFlow& flow, const QString& objectName, const QString& caption,
                     Kind kind);

    QWidget* container() const { return panContainer_; }
    void showScreen();

protected:
    ScreenFlow& flow() const { return flow_; }

    // What each showing resets.
    virtual void onShow() {}
    // What the window's closing does (the close button of the title bar, or close()).
    virtual void closeStep() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ScreenFlow& flow_;
    Kind kind_;
    QWidget* panContainer_;
};

// The background of the maximized screens: blue at the top fading to white.
void paintScreenBackground(QWidget* window);
// Where a maximized window puts its container: centred; on a screen smaller than the
// container its top left corner stays visible.
QPoint centredContainerPosition(const QSize& window);

class QAbstractButton;

// A dialog window: fixed size, no buttons asked for in its title bar. A window manager that
// draws them anyway gets a close that acts as the window's own way out, as Escape does, and a
// minimise that the window comes back from with its opener.
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* opener, const QString& objectName, const QString& caption, QSize size);

    // The button that leaves the window without doing its task ("Annulla", "Chiudi", "Esci"),
    // null when the window has none showing.
    QAbstractButton* wayOut() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void comeBackWithOpener();

    QWidget* openerWindow_;
    bool leaving_ = false;
};
