#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <memory>
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

// The lines of a list, each with its record's position, kept as Windows-1252 bytes in blocks
// of two megabytes: one byte per character, a few allocations for a hundred thousand lines,
// never moved as the list grows, and only the lines on screen are decoded. Every line of a
// list is made of record fields and labels, all of which Windows-1252 holds.
class ListLines {
public:
    ListLines() = default;
    ListLines(const ListLines& other);
    ListLines(ListLines&&) = default;
    ListLines& operator=(const ListLines& other);
    ListLines& operator=(ListLines&&) = default;

    void reserve(qsizetype lines);
    void append(const QString& line, qint64 position); // encoded here
    void append(const ListEntry& entry) { append(entry.line, entry.position); }

    // A line written piece by piece, then ended with its record's position.
    void write(QByteArrayView encoded) { Writer(*this, encoded.size()).write(encoded); }
    void write(std::string_view encoded) {
        Writer(*this, qsizetype(encoded.size())).write(encoded);
    }
    // The bytes cut or filled with blanks to exactly width characters.
    void writePadded(QByteArrayView encoded, qsizetype width) {
        Writer(*this, width).writePadded(encoded, width);
    }

    // Writes the columns of the line being written through a pointer, into room asked for once,
    // for the most bytes they can take: a scan writes every column of a hundred thousand lines
    // through it. What was written belongs to the line when the writer goes.
    class Writer {
    public:
        Writer(ListLines& lines, qsizetype most)
            : lines_(lines), out_(lines.roomFor(most)), end_(out_ + most) {}
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;
        ~Writer() { lines_.used_ = out_ - lines_.blocks_.back().get(); }

        void write(QByteArrayView encoded) {
            Q_ASSERT(encoded.size() <= end_ - out_);
            out_ = std::copy_n(encoded.data(), encoded.size(), out_);
        }
        void write(std::string_view encoded) {
            write(QByteArrayView(encoded.data(), qsizetype(encoded.size())));
        }
        void writePadded(QByteArrayView encoded, qsizetype width) {
            Q_ASSERT(width <= end_ - out_);
            const qsizetype shown = std::min(width, encoded.size());
            out_ = std::fill_n(std::copy_n(encoded.data(), shown, out_), width - shown, ' ');
        }

    private:
        ListLines& lines_;
        char* out_;
        const char* end_;
    };

    void endLine(qint64 position);
    // The line being written is dropped.
    void dropLine();

    qsizetype size() const { return qsizetype(spans_.size()); }
    bool empty() const { return spans_.empty(); }
    QByteArrayView bytes(qsizetype index) const;
    QString text(qsizetype index) const;
    qint64 position(qsizetype index) const { return positions_[written(index)]; }
    ListEntry operator[](qsizetype index) const { return {text(index), position(index)}; }
    QStringList texts() const;

    // The same lines in another order, sharing their bytes: order holds each index of this list
    // once. Only the order is kept, not the lines gathered into it: a list of a hundred thousand
    // lines is ready in its order at once.
    ListLines reordered(LineOrder order) const&;
    ListLines reordered(LineOrder order) &&;

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
    struct Span {
        quint32 block;
        quint32 start;
        quint32 length;
    };
    // Where the next bytes go, with room for them after the line being written.
    char* roomFor(qsizetype bytes) {
        return blockSize_ > 0 && used_ + bytes <= blockSize_ ? blocks_.back().get() + used_
                                                             : roomInNewBlock(bytes);
    }
    char* roomInNewBlock(qsizetype bytes);
    // Where the line shown at index was written.
    std::size_t written(qsizetype index) const {
        return std::size_t(order_.empty() ? index : order_[std::size_t(index)]);
    }

    // Of two megabytes each, or more for a long line; shared by copies, which only read them.
    std::vector<std::shared_ptr<char[]>> blocks_;
    qsizetype blockSize_ = 0;       // the room in the last block this list writes into, else 0
    qsizetype used_ = 0;            // of that room
    qsizetype lineStart_ = 0;       // of the line being written
    std::vector<Span> spans_;       // in the order written
    std::vector<qint64> positions_; // in the order written
    LineOrder order_;               // the lines in the order shown, when not the order written
};

// The text trimmed, filled with blanks and cut to exactly width characters.
QString paddedColumn(const QString& text, int width);

// A member: name, tax code, expiry date, telephone and the whole notes.
QString memberLine(const QString& name, const QString& taxCode, const QString& expiry,
                   const QString& telephone, const QString& notes);

// What the payer column of a receipt line is called.
enum class PayerLabel { Cliente, Pagatore };

// A receipt: number, date, payer, first item and the total as it stands.
QString receiptLine(PayerLabel label, const QString& number, const QString& date,
                    const QString& payer, const QString& firstItem, const QString& total);
