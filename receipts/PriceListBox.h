#pragma once

#include <QListWidget>
#include <QStringList>
#include <optional>

// The price list as a list box, in the price list window and in the receipt editor: the lines
// of Listino_Prezzi.lst in Courier New, always sorted in the order of the program's lists
// (the same item may be there twice), at most one line selected. The items hold the stored
// lines; how they show depends on the box.
class PriceListBox : public QListWidget {
    Q_OBJECT
public:
    // Lines shorter than the line width given by the screen scroll as if they were that wide;
    // longer ones can be scrolled to their end.
    PriceListBox(const QString& objectName, int lineWidth, QWidget* parent);
    // A box narrower than a line: each shows its description and, at the right edge, its price.
    enum class FittedLines { ToTheBox };
    PriceListBox(const QString& objectName, FittedLines, QWidget* parent);

    // Fills the box from the price list file. False, with the box unchanged, when the file is
    // missing or cannot be read.
    bool reload();

    // The line goes in its sorted place, after the lines equal to it.
    void addLine(const QString& line);
    void removeSelectedLine();

    QStringList lines() const;
    std::optional<QString> selectedLine() const;

private:
    void setUpBox(const QString& objectName);
    void setLines(QStringList lines);
};
