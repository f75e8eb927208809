#include "shell/EventHook.h"

namespace {
class EventHook : public QObject {
public:
    EventHook(QObject* target, std::function<bool(QEvent*)> handler)
        : QObject(target), handler_(std::move(handler)) {}

    bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

private:
    std::function<bool(QEvent*)> handler_;
};
} // namespace

void hookEvents(QObject* target, std::function<bool(QEvent* event)> handler) {
    target->installEventFilter(new EventHook(target, std::move(handler)));
}
