#pragma once

#include "members/MemberAttachments.h"
#include "shell/ScreenKinds.h"

#include <array>
#include <functional>

class Picture;
class QLineEdit;
class QPushButton;

// Attaches up to three files to a member card: each chosen file is copied at once into the
// attachments folder; the card takes the names and descriptions when the window is applied.
class TfrmAllegaCartella : public FixedDialog {
    Q_OBJECT
public:
    using Apply = std::function<void(const MemberAttachments&)>;

    explicit TfrmAllegaCartella(QWidget* opener);

    // Only the marker "anagrafica" (the member editor) lets "Applica e chiudi" hand the
    // attachments to apply.
    void setReturnTo(const QString& marker, Apply apply);
    void setAttachments(const MemberAttachments& attachments);
    // The slots as shown, trimmed.
    MemberAttachments attachments() const;

    // One per slot; the object names end in 01, 02, 03.
    std::array<QLineEdit*, MemberAttachments::SlotCount> txtFile;
    std::array<QLineEdit*, MemberAttachments::SlotCount> txtDesc;
    std::array<QPushButton*, MemberAttachments::SlotCount> btnSfoglia;
    std::array<QPushButton*, MemberAttachments::SlotCount> btnApri;
    std::array<Picture*, MemberAttachments::SlotCount> imgCancella;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;

private:
    void addSlot(int slot, int top);
    void browse(int slot);
    void apply();

    QString returnTo_;
    Apply apply_;
};

// The path of an attached file, in double quotes, as the shell opens it.
QString attachmentShellTarget(const QString& name);

// btnAllegati: runs the window over the member editor's attachments; apply receives the new
// ones when the user applies them.
void editAttachments(QWidget* opener, const MemberAttachments& current,
                     std::function<void(const MemberAttachments&)> apply);
