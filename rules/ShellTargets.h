#pragma once

#include <QString>
#include <QUrl>

// Whether a stored attachment name is a plain file name, one that can only name a file inside
// the attachments folder: not empty, no folder separator of either kind, no drive letter or
// other colon, no control character, not made of dots and blanks alone ("." and ".." among them).
bool isPlainFileName(const QString& name);

// The mailto: address of an e-mail address, percent-encoded so that the whole text is only
// ever the recipient: a "?", "&" or "#" in it adds no subject, body or attachment.
QUrl mailtoAddress(const QString& address);
