#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QInputDialog>

namespace {
UserRequestHandler& testHandler() {
    static UserRequestHandler handler;
    return handler;
}

std::optional<QString> nonEmpty(const QString& answer) {
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}
} // namespace

std::optional<QString> askOpenFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter) {
    if (testHandler())
        return testHandler()({UserRequest::Kind::OpenFile, caption, folder, filter});
    return nonEmpty(QFileDialog::getOpenFileName(parent, caption, folder, filter));
}

std::optional<QString> askSaveFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter) {
    if (testHandler())
        return testHandler()({UserRequest::Kind::SaveFile, caption, folder, filter});
    return nonEmpty(QFileDialog::getSaveFileName(parent, caption, folder, filter));
}

std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& label,
                               const QString& initial) {
    if (testHandler())
        return testHandler()({UserRequest::Kind::Text, caption, label, initial});
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, caption, label, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

void setUserRequestHandlerForTests(UserRequestHandler handler) {
    testHandler() = std::move(handler);
}
