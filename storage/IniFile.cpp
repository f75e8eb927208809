#include "storage/IniFile.h"

#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"

#include <QFile>

namespace {

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    QString name;          // section or key, trimmed
    qsizetype equals = -1; // position of '=' in a key line
};

IniLine classify(const QString& line) {
    const QString text = trimBlanks(line);
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close > 0)
            return {LineKind::Section, trimBlanks(text.mid(1, close - 1))};
    }
    if (text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#')))
        return {};
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return {LineKind::Key, trimBlanks(line.left(equals)), equals};
}

bool sameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString& value) {
    const QLatin1Char quote('"');
    if (value.size() >= 2 && value.startsWith(quote) && value.endsWith(quote))
        return value.mid(1, value.size() - 2);
    return value;
}

// A line break inside a name or value would split the entry into two lines.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw StorageError(StorageError::Kind::CannotOpen,
                           path + QStringLiteral(": ") + file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StorageError(StorageError::Kind::CannotOpen,
                           path + QStringLiteral(": ") + file.errorString());
    return parse(bytes);
}

IniFile IniFile::parse(QByteArrayView bytes) {
    IniFile ini;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        const bool isCrLf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        const LineEnd end = isCrLf ? LineEnd::CrLf : (c == '\r' ? LineEnd::Cr : LineEnd::Lf);
        if (ini.lineEnds_.empty())
            ini.newLineEnd_ = end;
        ini.lines_.append(fromWindows1252(bytes.sliced(start, i - start)));
        ini.lineEnds_.push_back(end);
        i += isCrLf ? 1 : 0;
        start = i + 1;
    }
    if (start < bytes.size()) {
        ini.lines_.append(fromWindows1252(bytes.sliced(start)));
        ini.lineEnds_.push_back(LineEnd::None);
    }
    return ini;
}

QString IniFile::value(const QString& section, const QString& key,
                       const QString& defaultValue) const {
    const qsizetype at = findKeyLine(section, key);
    if (at < 0)
        return defaultValue;
    const QString& line = lines_.at(at);
    return unquoted(trimBlanks(line.mid(classify(line).equals + 1)));
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QString newValue = oneLine(value);
    const qsizetype keyLine = findKeyLine(section, key);
    if (keyLine >= 0) {
        QString& line = lines_[keyLine];
        line = line.left(classify(line).equals + 1) + newValue;
        return;
    }
    const QString entry = trimBlanks(oneLine(key)) + QLatin1Char('=') + newValue;
    const qsizetype insertAt = lineAfterSectionKeys(section);
    if (insertAt >= 0) {
        insertLine(insertAt, entry);
        return;
    }
    if (!lines_.isEmpty() && !trimBlanks(lines_.last()).isEmpty())
        insertLine(lines_.size(), QString());
    insertLine(lines_.size(), QLatin1Char('[') + trimBlanks(oneLine(section)) + QLatin1Char(']'));
    insertLine(lines_.size(), entry);
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        bytes += toWindows1252(lines_.at(i));
        switch (lineEnds_[i]) {
        case LineEnd::None:
            break;
        case LineEnd::Lf:
            bytes += '\n';
            break;
        case LineEnd::Cr:
            bytes += '\r';
            break;
        case LineEnd::CrLf:
            bytes += "\r\n";
            break;
        }
    }
    return bytes;
}

void IniFile::save(const QString& path) const {
    replaceWholeFile(path, toBytes());
}

// The first key line of that name in a section of that name; -1 when there is none.
qsizetype IniFile::findKeyLine(const QString& section, const QString& key) const {
    const QString sectionName = trimBlanks(section);
    const QString keyName = trimBlanks(key);
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const IniLine line = classify(lines_.at(i));
        if (line.kind == LineKind::Section)
            inSection = sameName(line.name, sectionName);
        else if (inSection && line.kind == LineKind::Key && sameName(line.name, keyName))
            return i;
    }
    return -1;
}

// Where a new key of the section's first occurrence goes: after its last key line, or
// after its heading when it has none; -1 when the section does not exist.
qsizetype IniFile::lineAfterSectionKeys(const QString& section) const {
    const QString sectionName = trimBlanks(section);
    qsizetype after = -1;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const IniLine line = classify(lines_.at(i));
        if (line.kind == LineKind::Section) {
            if (after >= 0)
                break;
            if (sameName(line.name, sectionName))
                after = i + 1;
        } else if (after >= 0 && line.kind == LineKind::Key) {
            after = i + 1;
        }
    }
    return after;
}

void IniFile::insertLine(qsizetype at, const QString& line) {
    if (at > 0 && lineEnds_[at - 1] == LineEnd::None)
        lineEnds_[at - 1] = newLineEnd_;
    lines_.insert(at, line);
    lineEnds_.insert(lineEnds_.begin() + at, newLineEnd_);
}
