#include "rules/ShellTargets.h"

#include <algorithm>

bool isPlainFileName(const QString& name) {
    const auto isForbidden = [](QChar c) {
        return c == u'/' || c == u'\\' || c == u':' || c.unicode() < 32;
    };
    const auto isDotOrBlank = [](QChar c) { return c == u'.' || c == u' '; };
    return !name.isEmpty() && std::none_of(name.begin(), name.end(), isForbidden) &&
           !std::all_of(name.begin(), name.end(), isDotOrBlank);
}

QUrl mailtoAddress(const QString& address) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address, QUrl::DecodedMode);
    return url;
}
