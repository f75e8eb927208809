#include "rules/RecordNavigation.h"

namespace {
NavigationStep show(qint64 position) {
    return {NavigationStep::Kind::Show, position};
}
const NavigationStep nothing{};
const NavigationStep reportEmpty{NavigationStep::Kind::ReportEmpty, 0};
} // namespace

NavigationStep navigate(NavigationButton button, qint64 current, qint64 count) {
    switch (button) {
    case NavigationButton::First:
        return count == 0 ? reportEmpty : show(1);
    case NavigationButton::Last:
        return count == 0 ? reportEmpty : show(count);
    case NavigationButton::Next:
        if (count == 0)
            return {NavigationStep::Kind::ForgetAndReportEmpty, 0};
        return current < count ? show(current + 1) : nothing;
    case NavigationButton::Previous:
        if (current == 1)
            return nothing;
        if (count == 0)
            return reportEmpty;
        return current <= 2 ? show(1) : show(current - 1);
    }
    return nothing;
}
