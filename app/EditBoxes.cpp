#include "app/EditBoxes.h"

#include "app/EventHook.h"
#include "storage/TextCodec.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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

// Key presses and the shortcut requests that precede them: a consumed key must not trigger
// a shortcut either.
const QKeyEvent* keyPress(QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        return static_cast<QKeyEvent*>(event);
    return nullptr;
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

void placeFrame(QWidget* frame, const QLineEdit* box) {
    frame->setGeometry(box->geometry().adjusted(-4, -4, 4, 4));
}

int leadingBlanks(const QString& text) {
    int count = 0;
    while (count < text.size() && text[count].unicode() <= 32)
        ++count;
    return count;
}

void setTint(QLineEdit* box, bool focused) {
    box->setStyleSheet(focused ? QStringLiteral("QLineEdit { background-color: #FFFF00; "
                                                "border: 1px solid #87CEEB; }")
                               : QStringLiteral("QLineEdit { background-color: #F0F8FF; "
                                                "border: 1px solid #87CEEB; }"));
}

} // namespace

void onEnter(QWidget* box, std::function<void()> action) {
    hookEvents(box, [action = std::move(action)](QEvent* event) {
        const QKeyEvent* key = keyPress(event);
        if (!key || !isEnter(key))
            return false;
        if (event->type() == QEvent::KeyPress)
            action();
        event->accept();
        return true;
    });
}

void chainEnter(const QList<QWidget*>& order, EnterOrder kind) {
    for (int i = 0; i < order.size(); ++i) {
        const bool last = i + 1 == order.size();
        if (last && kind == EnterOrder::Chain)
            break;
        QWidget* next = order[last ? 0 : i + 1];
        onEnter(order[i], [next] { next->setFocus(Qt::OtherFocusReason); });
    }
}

void filterKeys(QLineEdit* box, KeyFilter filter) {
    box->setContextMenuPolicy(Qt::NoContextMenu); // no pasting of letters by the menu either
    hookEvents(box, [filter](QEvent* event) {
        const QKeyEvent* key = keyPress(event);
        if (!key || isEnter(key) || isFocusKey(key) || isModifierOnly(key))
            return false;
        if (keyPassesFilter(filter, key->key(), key->text()))
            return false;
        event->accept();
        return true;
    });
}

void rewriteWhileTyping(QLineEdit* box, Rewrite rule) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box, rule](const QString& text) {
        const QString rewritten =
            rule == Rewrite::UpperTrimmed ? upperTrimmed(text) : trimBlanks(text);
        if (rewritten == text)
            return;
        const int cursor = box->cursorPosition() - leadingBlanks(text);
        box->setText(rewritten);
        box->setCursorPosition(qBound(0, cursor, int(rewritten.size())));
    });
}

void makeDateBox(QLineEdit* box, std::function<void()> openPicker) {
    box->setReadOnly(true);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    hookEvents(box, [box, openPicker = std::move(openPicker)](QEvent* event) {
        const QKeyEvent* key = keyPress(event);
        if (!key || isFocusKey(key) || isModifierOnly(key))
            return false;
        if (event->type() == QEvent::KeyPress) {
            if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
                box->clear();
            else
                openPicker();
        }
        event->accept();
        return true;
    });
}

QWidget* addFocusFrame(QLineEdit* box) {
    auto* frame = new FocusFrame(box->parentWidget());
    frame->setObjectName(QStringLiteral("eff") + box->objectName().mid(3));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeFrame(frame, box);
    frame->stackUnder(box);
    frame->hide();
    hookEvents(box, [frame, box](QEvent* event) {
        switch (event->type()) {
        case QEvent::FocusIn:
            frame->show();
            break;
        case QEvent::FocusOut:
            frame->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            placeFrame(frame, box);
            break;
        default:
            break;
        }
        return false;
    });
    return frame;
}

void addFocusTint(QLineEdit* box) {
    setTint(box, box->hasFocus());
    hookEvents(box, [box](QEvent* event) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            setTint(box, event->type() == QEvent::FocusIn);
        return false;
    });
}

QPushButton* addFocusSink(QWidget* container) {
    auto* sink = new QPushButton(container);
    sink->setObjectName(QStringLiteral("btnFocus"));
    sink->setFocusPolicy(Qt::NoFocus); // reached only by a save, never by Tab
    sink->setFlat(true);
    sink->setGeometry(0, 0, 0, 0);
    return sink;
}

void endEditing(QWidget* screen) {
    if (auto* sink = screen->findChild<QPushButton*>(QStringLiteral("btnFocus")))
        sink->setFocus(Qt::OtherFocusReason);
}
