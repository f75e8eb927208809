#pragma once

#include "rules/RecordNavigation.h"

#include <functional>

class QWidget;

// What an editor does for a step of its arrows: shows the stored record, or tells that the
// archive holds no card, first forgetting the position of the card on screen when the step
// says so.
void followNavigationStep(QWidget* editor, const NavigationStep& step,
                          const std::function<void(qint64 position)>& showRecord,
                          const std::function<void()>& forgetPosition);
