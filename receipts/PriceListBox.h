#pragma once

#include <QListWidget>
#include <QStringList>
#include <optional>

// The price list as a list box, in the price list window and in the receipt editor: the lines
// of Listino_Prezzi.lst in Courier New, always sorted in the order of the program's lists
// (the same item may be there twice), at most one line selected. Lines shorter than the line
// width given by the screen scroll as if they were that wide; longer ones can be scrolled to
// their end.
class PriceListBox : public QListWidget {
    Q_OBJECT
public:
    PriceListBox(const QString& objectName, int lineWidth, QWidget* parent);

    // Fills the box from the price list file. False, with the box unchanged, when the file is
    // missing or cannot be read.
    bool reload();

    // The line goes in its sorted place, after the lines equal to it.
    void addLine(const QString& line);
    void removeSelectedLine();

    QStringList lines() const;
    std::optional<QString> selectedLine() const;

private:
    void setLines(QStringList lines);
};
