#include "shell/EditBoxes.h"

#include "storage/TextCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace {

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool isFocusKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

bool isModifierOnly(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor yellow(0xFF, 0xFF, 0x00);
        const int border = 4;
        for (int ring = 0; ring < border; ++ring) {
            const double towardsYellow = double(ring + 1) / border;
            painter.setPen(QColor::fromRgbF(1.0, 1.0, 1.0 - towardsYellow));
            painter.drawRect(rect().adjusted(ring, ring, -ring - 1, -ring - 1));
        }
        painter.fillRect(rect().adjusted(border, border, -border, -border), yellow);
    }
};

void setTint(QLineEdit* box, bool focused) {
    box->setStyleSheet(focused ? QStringLiteral("QLineEdit { background-color: #FFFF00; "
                                                "border: 1px solid #87CEEB; }")
                               : QStringLiteral("QLineEdit { background-color: #F0F8FF; "
                                                "border: 1px solid #87CEEB; }"));
}

int leadingBlanks(const QString& text) {
    int count = 0;
    while (count < text.size() && text[count].unicode() <= 32)
        ++count;
    return count;
}

// Everything a screen asked of one box, applied by a single event filter in a fixed order.
class BoxBehaviour : public QObject {
public:
    // The box's behaviour, made at the first call.
    static BoxBehaviour& of(QWidget* box) {
        if (auto* existing = dynamic_cast<BoxBehaviour*>(
                box->findChild<QObject*>(objectNameOfBehaviour(), Qt::FindDirectChildrenOnly)))
            return *existing;
        auto* behaviour = new BoxBehaviour(box);
        box->installEventFilter(behaviour);
        return *behaviour;
    }

    std::function<void()> anyKey;
    std::function<void()> enter;
    std::function<void()> openPicker; // set for a date box
    std::optional<KeyFilter> filter;
    std::function<void()> typed;
    std::function<void()> leave;
    QPointer<QWidget> frame;
    bool tinted = false;

    void placeFrame() {
        if (frame)
            frame->setGeometry(box_->geometry().adjusted(-4, -4, 4, 4));
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: // a consumed key must not trigger a shortcut either
            return keyConsumed(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            if (typed)
                typed();
            return false;
        case QEvent::FocusIn:
            showFocus(true);
            return false;
        case QEvent::FocusOut:
            showFocus(false);
            if (leave)
                leave();
            return false;
        case QEvent::Move:
        case QEvent::Resize:
            placeFrame();
            return false;
        default:
            return false;
        }
    }

private:
    explicit BoxBehaviour(QWidget* box) : QObject(box), box_(box) {
        setObjectName(objectNameOfBehaviour());
    }

    static QString objectNameOfBehaviour() { return QStringLiteral("boxBehaviour"); }

    bool keyConsumed(QKeyEvent* key) {
        const bool press = key->type() == QEvent::KeyPress;
        if (press && anyKey)
            anyKey();
        if (enter && isEnter(key)) {
            if (press)
                enter();
        } else if (openPicker) {
            if (isFocusKey(key) || isModifierOnly(key))
                return false;
            if (press && (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete))
                static_cast<QLineEdit*>(box_)->clear();
            else if (press)
                openPicker();
        } else if (filter) {
            if (isEnter(key) || isFocusKey(key) || isModifierOnly(key) ||
                keyPassesFilter(*filter, key->key(), key->text()))
                return false;
        } else {
            return false;
        }
        key->accept();
        return true;
    }

    void showFocus(bool focused) {
        if (frame)
            frame->setVisible(focused);
        if (tinted)
            setTint(static_cast<QLineEdit*>(box_), focused);
    }

    QWidget* box_;
};

} // namespace

void onAnyKey(QWidget* box, std::function<void()> action) {
    BoxBehaviour::of(box).anyKey = std::move(action);
}

void onEnter(QWidget* box, std::function<void()> action) {
    BoxBehaviour::of(box).enter = std::move(action);
}

void focusBox(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* text = qobject_cast<QLineEdit*>(box))
        text->selectAll();
}

void chainEnter(const QList<QWidget*>& order, EnterOrder kind) {
    for (int i = 0; i < order.size(); ++i) {
        const bool last = i + 1 == order.size();
        if (last && kind == EnterOrder::Chain)
            break;
        QWidget* next = order[last ? 0 : i + 1];
        onEnter(order[i], [next] { focusBox(next); });
    }
}

void filterKeys(QLineEdit* box, KeyFilter filter) {
    box->setContextMenuPolicy(Qt::NoContextMenu); // no pasting of letters by the menu either
    BoxBehaviour::of(box).filter = filter;
}

void rewriteWhileTyping(QLineEdit* box, Rewrite rule) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, rule](const QString& text) {
        const QString rewritten =
            rule == Rewrite::UpperTrimmed ? upperTrimmed(text) : trimBlanks(text);
        if (rewritten == text)
            return;
        const int cursor = box->cursorPosition() - leadingBlanks(text);
        box->setText(rewritten);
        box->setModified(true); // still the user's typing
        box->setCursorPosition(qBound(0, cursor, int(rewritten.size())));
    });
}

void makeDateBox(QLineEdit* box, std::function<void()> openPicker) {
    box->setReadOnly(true);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    BoxBehaviour::of(box).openPicker = std::move(openPicker);
}

void onLeave(QWidget* box, std::function<void()> action) {
    BoxBehaviour::of(box).leave = std::move(action);
}

void onTyping(QLineEdit* box, std::function<void()> check) {
    QObject::connect(box, &QLineEdit::textChanged, box, [check] { check(); });
    BoxBehaviour::of(box).typed = std::move(check);
}

QWidget* addFocusFrame(QLineEdit* box) {
    auto* frame = new FocusFrame(box->parentWidget());
    frame->setObjectName(QStringLiteral("eff") + box->objectName().mid(3));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->stackUnder(box);
    frame->hide();
    BoxBehaviour& behaviour = BoxBehaviour::of(box);
    behaviour.frame = frame;
    behaviour.placeFrame();
    return frame;
}

void addFocusTint(QLineEdit* box) {
    setTint(box, box->hasFocus());
    BoxBehaviour::of(box).tinted = true;
}

QPushButton* addFocusSink(QWidget* container) {
    auto* sink = new QPushButton(container);
    sink->setObjectName(QStringLiteral("btnFocus"));
    sink->setFocusPolicy(Qt::NoFocus); // reached only by a save, never by Tab
    sink->setFlat(true);
    sink->setGeometry(0, 0, 0, 0);
    return sink;
}

void endEditing(QPushButton* focusSink) {
    focusSink->setFocus(Qt::OtherFocusReason);
}
