#include "shell/Controls.h"

#include "shell/EventHook.h"
#include "shell/Fonts.h"
#include "ui/Picture.h"

#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Fonts::caption());
    label->setGeometry(where);
    return label;
}

namespace {

// What tells the panels apart from the controls among a screen's children.
constexpr const char* panelMark = "velarnoPanel";

// A box shows its text from the beginning whenever the user is not typing in it: when its text
// is set from outside or rewritten by its leave step, and when the focus moves on.
void showBeginningWhenNotTyping(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        // Set from outside, not typed: what is typed stays at its cursor.
        if (!box->hasFocus() && !box->isModified())
            box->setCursorPosition(0);
    });
    hookEvents(box, [box](QEvent* event) {
        if (event->type() != QEvent::FocusOut)
            return false;
        // Not when another window comes up over the box: typing goes on where it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            box->setCursorPosition(0);
        return false;
    });
}

} // namespace

QLineEdit* addEditBox(QWidget* parent, const QString& name, const QRect& where, const QFont& font) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setGeometry(where);
    showBeginningWhenNotTyping(box);
    return box;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFont(Fonts::button());
    button->setGeometry(where);
    button->setAutoDefault(false); // no default button: Enter in a box presses nothing
    answerKeyboard(button);
    return button;
}

void answerKeyboard(QPushButton* button) {
    hookEvents(button, [button](QEvent* event) {
        if (event->type() == QEvent::FocusIn) {
            // The style draws the focus only after a focus change by keyboard; a screen's
            // own focus step (Enter in a box) is one too.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
                button->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        button->click();
        return true;
    });
}

QLabel* addHiddenPicture(QWidget* parent, const QString& name, const QImage& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(picture));
    label->hide();
    return label;
}

QFrame* addPanelBehind(const QString& name, const QList<QWidget*>& group, int margin) {
    QRect around;
    for (const QWidget* control : group)
        around = around.united(control->geometry());
    QFrame* panel = addPanel(group.first()->parentWidget(), name,
                             around.adjusted(-margin, -margin, margin, margin));
    // Below every control, not only the group's: the margin may reach a neighbouring box,
    // which must stay whole on top of the panel.
    for (QObject* sibling : panel->parentWidget()->children()) { // bottom to top
        auto* control = qobject_cast<QWidget*>(sibling);
        if (control && !control->property(panelMark).toBool()) {
            panel->stackUnder(control);
            break;
        }
    }
    return panel;
}

QFrame* addPanel(QWidget* parent, const QString& name, const QRect& where) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setProperty(panelMark, true);
    panel->setGeometry(where);
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: #F4F7FC; "
                                        "border: 1px solid #9DB3D6; border-radius: 6px; }")
                             .arg(name));
    panel->lower();
    return panel;
}

QFrame* addCard(QWidget* parent, const QString& name, const QRect& where,
                const QString& background) {
    auto* card = new QFrame(parent);
    card->setObjectName(name);
    card->setGeometry(where);
    card->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: %2; border: 2px solid "
                                       "#BFD9EE; border-radius: 18px; }")
                            .arg(name, background));
    return card;
}

QLabel* addCaption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                   const QFont& font, Qt::Alignment alignment) {
    QLabel* label = addLabel(parent, name, text, where);
    label->setFont(font);
    label->setAlignment(alignment);
    setTextColour(label, QColor(0x2C, 0x3E, 0x50));
    return label;
}

void setTextColour(QWidget* control, const QColor& colour) {
    control->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
}

QLabel* addInstruction(QWidget* parent, const QString& name, const QString& text,
                       const QRect& where) {
    QLabel* label = addLabel(parent, name, text, where);
    label->setFont(Fonts::font(Fonts::Family::verdana(), 10, false));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setContentsMargins(10, 0, 10, 0);
    label->setStyleSheet(QStringLiteral("QLabel { color: #1C2530; background-color: #F4F7FC; "
                                        "border: 1px solid #9DB3D6; border-radius: 6px; }"));
    return label;
}

QFrame* addInstructionBand(QWidget* parent, const QRect& where) {
    auto* band = new QFrame(parent);
    band->setObjectName(QStringLiteral("panIstruzioni"));
    band->setGeometry(where);
    band->setStyleSheet(QStringLiteral("QFrame#panIstruzioni { background-color: white; }"));
    return band;
}

void styleTitleCard(QLabel* title) {
    title->setStyleSheet(
        QStringLiteral("QLabel#%1 { color: #1F4E9A; border: 2px solid #BFD9EE; border-radius: "
                       "16px; background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
                       "stop: 0 #FFFFFF, stop: 1 #E6F2FB); }")
            .arg(title->objectName()));
}

void styleLargeBox(QLineEdit* box, bool padded) {
    box->setStyleSheet(QStringLiteral("QLineEdit { color: #1F4E9A; background-color: #F0F8FF; "
                                      "border: 2px solid #87CEEB; border-radius: 8px;%1 } "
                                      "QLineEdit:focus { background-color: #FFFFFF; "
                                      "border-color: #F39C12; }")
                           .arg(padded ? QStringLiteral(" padding: 0 6px;") : QString()));
}

void stylePositionBox(QLabel* position) {
    position->setAlignment(Qt::AlignCenter);
    position->setStyleSheet(
        QStringLiteral("background-color: white; border: 1px solid #9DB3D6; border-radius: 4px;"));
}

Picture* addPicture(QWidget* parent, const QString& name, const QString& file, const QRect& where) {
    auto* picture = new Picture(name, QStringLiteral(":/pictures/%1.svg").arg(file), parent);
    picture->setGeometry(where);
    return picture;
}

HelpAndExit addHelpAndExit(QWidget* dock) {
    Picture* help = addPicture(dock, QStringLiteral("imgGuida"), QStringLiteral("guida"),
                               QRect(790, 10, 48, 48));
    Picture* exit =
        addPicture(dock, QStringLiteral("imgEsci"), QStringLiteral("esci"), QRect(880, 10, 48, 48));
    const QFont small = Fonts::font(Fonts::Family::verdana(), 9, true);
    addCaption(dock, QStringLiteral("lblGuida"), QStringLiteral("Guida"), QRect(774, 60, 80, 20),
               small, Qt::AlignCenter);
    addCaption(dock, QStringLiteral("lblEsci"), QStringLiteral("Esci"), QRect(864, 60, 80, 20),
               small, Qt::AlignCenter);
    help->setToolTip(QStringLiteral("Guida all'utilizzo dell'applicazione"));
    exit->setToolTip(QStringLiteral("Torna al menu principale"));
    help->makeClickable();
    exit->makeClickable();
    return {help, exit};
}
