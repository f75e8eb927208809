#pragma once

#include <QFont>
#include <QStringList>

// The fonts of the screens. Each asks for its Windows family first, so Windows shows its own
// fonts; on Linux a free face with the same or the nearest metrics stands in. The layouts are
// sized for the wider of the two.
namespace Fonts {

namespace Family {
inline QStringList verdana() {
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}
// Debian's fonts-wine face, made visible to fontconfig by the setup script.
inline QStringList tahoma() {
    return {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")};
}
inline QStringList arial() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
}
inline QStringList courierNew() {
    return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
}
} // namespace Family

inline QFont font(const QStringList& families, int points, bool bold) {
    QFont result;
    result.setFamilies(families);
    result.setPointSize(points);
    result.setBold(bold);
    return result;
}
inline QFont dataField() {
    return font(Family::verdana(), 12, true);
}
inline QFont passwordField() {
    return font(Family::verdana(), 14, true);
}
inline QFont caption() {
    return font(Family::verdana(), 12, true);
}
inline QFont hintLine() {
    return font(Family::tahoma(), 12, false);
}
inline QFont button() {
    return font(Family::verdana(), 10, true);
}
inline QFont listLine() {
    return font(Family::courierNew(), 10, false);
}
// The price list's lines, in the editor and in the price list window alike.
inline QFont priceList() {
    return font(Family::courierNew(), 12, false);
}
inline QFont helpTitle() {
    return font(Family::arial(), 16, true);
}
inline QFont helpText() {
    return font(Family::verdana(), 12, true);
}

} // namespace Fonts
