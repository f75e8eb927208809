#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Whether a stored attachment name is a plain file name, one that can only name a file inside
// the attachments folder: not empty, no folder separator of either kind, no drive letter or
// other colon, no control character, not made of dots and blanks alone ("." and ".." among them).
bool isPlainFileName(const QString& name);

// The mailto: address of an e-mail address, percent-encoded so that the whole text is only
// ever the recipient: a "?", "&" or "#" in it adds no subject, body or attachment.
QUrl mailtoAddress(const QString& address);

// Whether a stored text can be handed to the e-mail program as one address: a local part and a
// domain with a dot, no blank, control character or separator that the e-mail program would
// read as the start of another address or field.
bool isPlausibleEmailAddress(const QString& address);

// One new message to many members at once, their addresses in BCC so that no member sees the
// others'. Addresses that are empty or not plausible are left out, by their index in the list
// given.
struct BccMessage {
    QUrl url;
    QList<int> leftOut;
};

// The mailto: address of that message: every address, the subject and the body are
// percent-encoded, so nothing in them can add a recipient or a field. Line breaks of the body
// travel as CR LF.
BccMessage mailtoBcc(const QStringList& addresses, const QString& subject, const QString& body);
