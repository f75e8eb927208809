#pragma once

#include <QString>

// Who makes the program and how to reach them.
namespace Maker {
inline QString name() {
    return QStringLiteral("Velarno Software");
}
inline QString webSite() {
    return QStringLiteral("https://www.velarno.it");
}
inline QString email() {
    return QStringLiteral("info@velarno.it");
}
} // namespace Maker
