#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

// A Windows-1252 INI file. Writing a value keeps every other line of the file as it was
// (comments, unknown sections, line endings); keys such as "Rigo 1" are written as they stand.
// Section and key names compare without regard to case and surrounding blanks.
class IniFile {
public:
    // A missing file reads as empty; an existing file that cannot be read raises
    // StorageError::CannotOpen.
    static IniFile load(const QString& path);
    static IniFile parse(QByteArrayView bytes);

    // Trimmed value; a missing section or key gives defaultValue.
    QString value(const QString& section, const QString& key,
                  const QString& defaultValue = QString()) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    QByteArray toBytes() const;
    // Replaces the file atomically (temporary file, then rename): a failure leaves the old
    // file whole and raises StorageError::WriteFailed.
    void save(const QString& path) const;

private:
    qsizetype findKeyLine(const QString& section, const QString& key) const;
    qsizetype lineAfterSectionKeys(const QString& section) const;
    void insertLine(qsizetype at, const QString& line);

    enum class LineEnd : char { None, Lf, Cr, CrLf };

    QStringList lines_;                  // without line ends
    std::vector<LineEnd> lineEnds_;      // each line's own; None only for a last line without one
    LineEnd newLineEnd_ = LineEnd::CrLf; // for new lines: the file's first line end
};
