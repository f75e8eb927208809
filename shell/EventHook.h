#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

// Runs handler for every event of target before target sees it; returning true consumes
// the event. The hook lives as long as the target.
void hookEvents(QObject* target, std::function<bool(QEvent* event)> handler);
