#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <iterator>
#include <string_view>
#include <vector>

// The one-line texts of the summary lists, in aligned columns.

// One line of a summary list and the position of the record it shows, so a double-click opens
// exactly that record.
struct ListEntry {
    QString line;
    qint64 position = 0;
};

// Indexes of the lines of a list, in the order they are to be shown.
using LineOrder = std::vector<qsizetype>;

// The lines of a list, each with its record's position, kept as Windows-1252 bytes one after
// the other in one buffer: one byte per character, and only the lines on screen are decoded.
// Every line of a list is made of record fields and labels, all of which Windows-1252 holds.
class ListLines {
public:
    void reserve(qsizetype lines);
    void append(const QString& line, qint64 position); // encoded here
    void append(const ListEntry& entry) { append(entry.line, entry.position); }

    // A line written piece by piece, then ended with its record's position.
    void write(QByteArrayView encoded) { bytes_.append(encoded); }
    void write(std::string_view encoded) {
        bytes_.append(encoded.data(), qsizetype(encoded.size()));
    }
    // The bytes cut or filled with blanks to exactly width characters.
    void writePadded(QByteArrayView encoded, qsizetype width);
    void endLine(qint64 position);
    // The line being written is dropped.
    void dropLine() { bytes_.resize(lineStart_); }

    qsizetype size() const { return qsizetype(lines_.size()); }
    bool empty() const { return lines_.empty(); }
    QByteArrayView bytes(qsizetype index) const;
    QString text(qsizetype index) const;
    qint64 position(qsizetype index) const { return lines_[std::size_t(index)].position; }
    ListEntry operator[](qsizetype index) const { return {text(index), position(index)}; }
    QStringList texts() const;

    // The same lines in another order: order holds each index of this list once.
    ListLines reordered(const LineOrder& order) const& { return ListLines(*this).reordered(order); }
    ListLines reordered(const LineOrder& order) &&;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ListEntry;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = ListEntry;
        const_iterator(const ListLines* lines, qsizetype index) : lines_(lines), index_(index) {}
        ListEntry operator*() const { return (*lines_)[index_]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        const ListLines* lines_;
        qsizetype index_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Line {
        qsizetype offset;
        qsizetype length;
        qint64 position;
    };
    QByteArray bytes_;        // grown in place by realloc, not copied
    qsizetype lineStart_ = 0; // of the line being written
    std::vector<Line> lines_; // in the order shown
};
