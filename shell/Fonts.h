#pragma once

#include <QFont>

// The fonts of the screens (on Linux they map to metric-compatible free fonts).
namespace Fonts {

inline QFont font(const QString& family, int points, bool bold) {
    QFont result(family, points);
    result.setBold(bold);
    return result;
}
inline QFont dataField() {
    return font(QStringLiteral("Verdana"), 12, true);
}
inline QFont passwordField() {
    return font(QStringLiteral("Verdana"), 14, true);
}
inline QFont caption() {
    return font(QStringLiteral("Verdana"), 12, true);
}
inline QFont hintLine() {
    return font(QStringLiteral("Tahoma"), 12, false);
}
inline QFont button() {
    return font(QStringLiteral("Verdana"), 10, true);
}
inline QFont listLine() {
    return font(QStringLiteral("Courier New"), 10, false);
}

} // namespace Fonts
