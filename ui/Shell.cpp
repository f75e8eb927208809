#include "ui/Shell.h"

#include <QDesktopServices>

namespace {
ShellHandler& testHandler() {
    static ShellHandler handler;
    return handler;
}

QString withoutQuotes(const QString& target) {
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        return target.mid(1, target.size() - 2);
    return target;
}

bool hasScheme(const QString& target) {
    static const QStringList schemes{QStringLiteral("mailto:"), QStringLiteral("http://"),
                                     QStringLiteral("https://")};
    for (const QString& scheme : schemes) {
        if (target.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
} // namespace

QUrl urlForShellTarget(const QString& target) {
    const QString bare = withoutQuotes(target);
    if (hasScheme(bare))
        return QUrl(bare, QUrl::TolerantMode);
    if (bare.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("https://") + bare, QUrl::TolerantMode);
    return QUrl::fromLocalFile(bare);
}

void open_with_shell(const QString& target) {
    if (testHandler()) {
        testHandler()(target);
        return;
    }
    QDesktopServices::openUrl(urlForShellTarget(target));
}

void openNewMessage(const QUrl& mailto) {
    open_with_shell(QLatin1Char('"') + mailto.toString(QUrl::FullyEncoded) + QLatin1Char('"'));
}

void setShellHandlerForTests(ShellHandler handler) {
    testHandler() = std::move(handler);
}
