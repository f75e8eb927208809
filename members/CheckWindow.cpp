#include "members/CheckWindow.h"

#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "storage/TextCodec.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int margin = 20;
constexpr int contentWidth = 540;
constexpr int boxTop = 76;
constexpr QSize buttonSize(120, 34);

// The box is as high as its font needs: the two codes in large type, the VAT number in the
// type of the data fields.
int boxHeight(const QFont& font) {
    return QFontMetrics(font).height() + 14;
}
int buttonsTop(const QFont& boxFont) {
    return boxTop + boxHeight(boxFont) + 20;
}
QSize windowSize(const QFont& boxFont) {
    return {contentWidth + 2 * margin, buttonsTop(boxFont) + buttonSize.height() + 20};
}
} // namespace

CheckWindow::CheckWindow(QWidget* opener, const Design& design)
    : FixedDialog(opener, design.objectName, design.caption, windowSize(design.boxFont)),
      maxChars_(design.maxChars), codeInCapitals_(design.codeInCapitals) {
    applyTextConventions();
    lblIstruzioni = addLabel(this, QStringLiteral("lblIstruzioni"), design.instruction,
                             QRect(margin, 14, contentWidth, 52));
    lblIstruzioni->setWordWrap(true);
    codeBox_ =
        addEditBox(this, design.boxName,
                   QRect(margin, boxTop, contentWidth, boxHeight(design.boxFont)), design.boxFont);
    codeBox_->setMaxLength(maxChars_);
    if (codeInCapitals_)
        rewriteWhileTyping(codeBox_, Rewrite::UpperTrimmed);
    const int buttonsY = buttonsTop(design.boxFont);
    btnControlla = addButton(
        this, QStringLiteral("btnControlla"), QStringLiteral("Controlla"),
        QRect(QPoint(margin + contentWidth - 2 * buttonSize.width() - 12, buttonsY), buttonSize));
    btnChiudi =
        addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                  QRect(QPoint(margin + contentWidth - buttonSize.width(), buttonsY), buttonSize));

    onEnter(codeBox_, [this] { focusBox(btnControlla); });
    // Enter presses the focused button, as the user who reached it with Enter expects.
    for (QPushButton* button : {btnControlla, btnChiudi})
        onEnter(button, [button] { button->click(); });
    connect(codeBox_, &QLineEdit::textChanged, this, &CheckWindow::shrinkLimitTowardsDesign);
    connect(btnControlla, &QPushButton::clicked, this, [this] { check(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void CheckWindow::putCode(const QString& text) {
    const QString code = codeInCapitals_ ? upperTrimmed(text) : trimBlanks(text);
    codeBox_->setMaxLength(qMax(maxChars_, int(code.size())));
    codeBox_->setText(code);
}

void CheckWindow::shrinkLimitTowardsDesign() {
    const int limit = qMax(maxChars_, int(codeBox_->text().size()));
    if (codeBox_->maxLength() <= limit)
        return;
    const int cursor = codeBox_->cursorPosition();
    codeBox_->setMaxLength(limit);
    codeBox_->setCursorPosition(cursor);
}

void CheckWindow::refuseLength(const QString& message) {
    showMessage(this, MessageKind::Warning, message);
    focusBox(codeBox_);
}

void CheckWindow::reportAndClose(MessageKind kind, const QString& message) {
    showMessage(this, kind, message);
    accept();
}

void CheckWindow::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    focusBox(codeBox_);
}
