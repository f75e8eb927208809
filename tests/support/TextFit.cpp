#include "tests/support/TextFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QtMath>

namespace {

// Controls of another window (a dialog owned by the screen) are that window's texts; the inner
// controls of the toolkit's own widgets, named qt_…, hold the toolkit's texts.
bool isOwnControl(const QWidget* control, const QWidget* window) {
    for (const QWidget* widget = control; widget != window; widget = widget->parentWidget()) {
        if (!widget || widget->isWindow() || widget->objectName().startsWith(QLatin1String("qt_")))
            return false;
    }
    return true;
}

// The part of a control that its parents leave visible, in the control's own coordinates.
QRect visibleRect(const QWidget* control, const QWidget* window) {
    QRect visible = control->rect();
    QPoint origin;
    for (const QWidget* widget = control; widget != window; widget = widget->parentWidget()) {
        origin += widget->pos();
        visible &= widget->parentWidget()->rect().translated(-origin);
    }
    return visible;
}

bool isRichText(const QLabel* label) {
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

QSize labelTextSize(const QLabel* label, int width) {
    if (isRichText(label)) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(width);
        return QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
    }
    const QFontMetrics metrics(label->font());
    if (label->wordWrap())
        return metrics
            .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, label->text())
            .size();
    return metrics.size(0, label->text());
}

// Where a label draws its text: inside its frame, margin and indent.
QRect labelTextArea(const QLabel* label, const QRect& visible) {
    QRect area = visible.intersected(label->contentsRect());
    const int margin = label->margin();
    area.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0
                     ? QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2
                     : 0;
    const Qt::Alignment alignment =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (alignment & Qt::AlignLeft)
        area.setLeft(area.left() + indent);
    if (alignment & Qt::AlignRight)
        area.setRight(area.right() - indent);
    if (alignment & Qt::AlignTop)
        area.setTop(area.top() + indent);
    if (alignment & Qt::AlignBottom)
        area.setBottom(area.bottom() - indent);
    return area;
}

QStyle::ContentsType contentsType(const QAbstractButton* button) {
    if (qobject_cast<const QCheckBox*>(button))
        return QStyle::CT_CheckBox;
    if (qobject_cast<const QRadioButton*>(button))
        return QStyle::CT_RadioButton;
    return QStyle::CT_PushButton;
}

QStyleOptionButton buttonOption(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
    }
    return option;
}

// The text and icon plus the style's frame, margins and indicator, as the button's own size
// hint counts them; measured around a wide probe, since styles raise a short button to a
// minimum width that says nothing about its text.
QSize buttonNeeds(const QAbstractButton* button) {
    QSize contents = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull()) {
        contents.rwidth() += button->iconSize().width() + 4;
        contents.setHeight(qMax(contents.height(), button->iconSize().height()));
    }
    const QStyleOptionButton option = buttonOption(button);
    const QSize probe(1000, contents.height());
    const QSize padding =
        button->style()->sizeFromContents(contentsType(button), &option, probe, button) - probe;
    return contents + padding;
}

bool isMeasuredButton(const QAbstractButton* button) {
    return qobject_cast<const QPushButton*>(button) || qobject_cast<const QCheckBox*>(button) ||
           qobject_cast<const QRadioButton*>(button);
}

QString misfit(const QWidget* control, const QString& text, QSize needed, QSize has) {
    const QString name = control->objectName().isEmpty()
                             ? QString::fromLatin1(control->metaObject()->className())
                             : control->objectName();
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(name, text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(has.width())
        .arg(has.height());
}

} // namespace

QStringList textsThatDoNotFit(const QWidget* window) {
    window->ensurePolished();
    QStringList misfits;
    const auto controls = window->findChildren<QWidget*>();
    for (const QWidget* control : controls) {
        if (!isOwnControl(control, window))
            continue;
        const QRect visible = visibleRect(control, window);
        QString text;
        QSize needed, has;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            text = label->text();
            has = labelTextArea(label, visible).size();
            needed = labelTextSize(label, has.width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control);
                   button && isMeasuredButton(button)) {
            text = button->text();
            has = visible.size();
            needed = buttonNeeds(button);
        }
        if (text.isEmpty())
            continue;
        if (needed.width() > has.width() || needed.height() > has.height())
            misfits.append(misfit(control, text, needed, has));
    }
    return misfits;
}

void checkTextsFit(const QWidget* window) {
    const QStringList misfits = textsThatDoNotFit(window);
    QVERIFY2(misfits.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                           misfits.join(QStringLiteral("; "))));
}
