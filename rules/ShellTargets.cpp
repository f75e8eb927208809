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

bool isPlausibleEmailAddress(const QString& address) {
    const auto isForbidden = [](QChar c) {
        return c.unicode() <= 32 || c.unicode() == 127 || c.isSpace() ||
               QStringView(u",;<>\"()[]\\").contains(c);
    };
    if (std::any_of(address.begin(), address.end(), isForbidden))
        return false;
    const qsizetype at = address.indexOf(u'@');
    if (at <= 0 || address.indexOf(u'@', at + 1) >= 0)
        return false;
    const QStringView domain = QStringView(address).mid(at + 1);
    const qsizetype dot = domain.lastIndexOf(u'.');
    return dot > 0 && dot < domain.size() - 1;
}

BccMessage mailtoBcc(const QStringList& addresses, const QString& subject, const QString& body) {
    BccMessage message;
    QByteArrayList encodedAddresses;
    for (int i = 0; i < addresses.size(); ++i) {
        if (isPlausibleEmailAddress(addresses[i]))
            encodedAddresses.append(QUrl::toPercentEncoding(addresses[i], "@"));
        else
            message.leftOut.append(i);
    }
    QString crlfBody = body;
    crlfBody.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray encoded = "mailto:?bcc=" + encodedAddresses.join(',') +
                               "&subject=" + QUrl::toPercentEncoding(subject) +
                               "&body=" + QUrl::toPercentEncoding(crlfBody);
    message.url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    return message;
}
