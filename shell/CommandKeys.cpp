#include "shell/CommandKeys.h"

#include "shell/HintLine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QList>
#include <QPushButton>
#include <QShortcut>

namespace {

// An edit box claims keys such as Ctrl+Home or Page Down before any shortcut sees them. This
// watcher refuses that claim, for the keys bound in its window only, so the shortcut wins.
class BoundKeysWatcher : public QObject {
public:
    explicit BoundKeysWatcher(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
    }

    void add(const QKeySequence& key) { keys_.append(key); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != window_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(
            QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
        if (!keys_.contains(pressed))
            return false;
        key->ignore();
        return true;
    }

private:
    QWidget* window_;
    QList<QKeySequence> keys_;
};

BoundKeysWatcher* watcherOf(QWidget* window) {
    const auto children = window->children();
    for (QObject* child : children) {
        if (auto* watcher = dynamic_cast<BoundKeysWatcher*>(child))
            return watcher;
    }
    return new BoundKeysWatcher(window);
}

} // namespace

void bindKey(HintLine* hints, QPushButton* button, const QKeySequence& key,
             const QString& keyName) {
    auto* shortcut = new QShortcut(key, button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
    watcherOf(button->window())->add(key);
    hints->addKeyToHint(button, keyName);
}

void bindEditorKeys(HintLine* hints, const EditorCommands& commands) {
    struct Binding {
        QPushButton* button;
        QKeySequence key;
        const char16_t* name;
    };
    const QList<Binding> bindings{
        {commands.save, QKeySequence(Qt::CTRL | Qt::Key_S), u"Ctrl+S"},
        {commands.newRecord, QKeySequence(Qt::CTRL | Qt::Key_N), u"Ctrl+N"},
        {commands.duplicate, QKeySequence(Qt::CTRL | Qt::Key_D), u"Ctrl+D"},
        {commands.find, QKeySequence(Qt::CTRL | Qt::Key_F), u"Ctrl+F"},
        {commands.print, QKeySequence(Qt::CTRL | Qt::Key_P), u"Ctrl+P"},
        {commands.first, QKeySequence(Qt::CTRL | Qt::Key_Home), u"Ctrl+Inizio"},
        {commands.previous, QKeySequence(Qt::Key_PageUp), u"Pag Su"},
        {commands.next, QKeySequence(Qt::Key_PageDown), u"Pag Giù"},
        {commands.last, QKeySequence(Qt::CTRL | Qt::Key_End), u"Ctrl+Fine"},
        {commands.help, QKeySequence(Qt::Key_F1), u"F1"},
    };
    for (const Binding& binding : bindings)
        bindKey(hints, binding.button, binding.key, QString::fromUtf16(binding.name));
}
