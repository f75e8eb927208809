#include "members/TfrmAllegaCartella.h"

#include "rules/ShellTargets.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int margin = 20;
constexpr int fieldWidth = 648;
constexpr int fileWidth = 398;
constexpr int slotHeight = 156;
constexpr int rowHeight = 34;

QString slotName(const char* prefix, int slot) {
    return QString::fromLatin1(prefix) + twoDigits(slot + 1);
}

QString attachmentPath(const QString& name) {
    return attachmentsFolder() + QLatin1Char('/') + name;
}

// The new file takes the old one's place only once it is whole, so a failed copy leaves a
// file that other cards may refer to as it was.
bool copyReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    try {
        WholeFileWriter out(target);
        for (QByteArray chunk = in.read(1 << 16); !chunk.isEmpty(); chunk = in.read(1 << 16))
            out.write(chunk);
        if (in.error() != QFileDevice::NoError)
            return false;
        out.commit();
        return true;
    } catch (const StorageError&) {
        return false;
    }
}

bool isSameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Puts the chosen file into the attachments folder under its own name. False when the folder
// does not hold it afterwards; keeping the file already there (No to the question) counts as
// attached.
bool attachFile(QWidget* parent, const QString& source, const QString& name) {
    const QString target = attachmentPath(name);
    if (!QDir().mkpath(attachmentsFolder()))
        return false;
    if (isSameFile(source, target))
        return true;
    if (QFileInfo::exists(target) &&
        !askQuestion(parent, QStringLiteral("Attenzione: nella cartella dei documenti allegati è "
                                            "presente un file con lo stesso nome.\r\n\r\nSi vuole "
                                            "sovrascrivere il file esistente?")))
        return true;
    return copyReplacing(source, target);
}

QString attachmentNotCopiedMessage(const QString& name) {
    return QStringLiteral("Attenzione: non è stato possibile copiare il file \"") + name +
           QStringLiteral("\" nella cartella dei documenti allegati, quindi il file non è stato "
                          "allegato.\n\r\n\rAccertarsi che il file sia leggibile e di possedere i "
                          "privilegi di scrittura nella cartella di installazione del "
                          "programma.");
}

// Only a plain name is opened or copied: a name with a folder part could reach a file outside
// the attachments folder.
QString attachmentNameRefusedMessage(const QString& name) {
    return QStringLiteral("Attenzione: il nome \"") + name +
           QStringLiteral("\" non indica un file della cartella dei documenti allegati, quindi il "
                          "file non è stato aperto né copiato.\n\r\n\rIl nome di un file allegato "
                          "non può contenere cartelle, unità o i caratteri \\ / :");
}

void openAttachment(QWidget* parent, const QString& name) {
    if (isPlainFileName(name))
        open_with_shell(attachmentShellTarget(name));
    else
        showMessage(parent, MessageKind::Warning, attachmentNameRefusedMessage(name));
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmAllegaCartella"), QStringLiteral(" Allega file"),
                  QSize(2 * margin + fieldWidth,
                        margin + MemberAttachments::SlotCount * slotHeight + rowHeight + 20)) {
    for (int slot = 0; slot < MemberAttachments::SlotCount; ++slot)
        addSlot(slot, margin + slot * slotHeight);

    const int bottom = margin + MemberAttachments::SlotCount * slotHeight;
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(margin + fieldWidth - 130, bottom, 130, rowHeight));
    btnApplica = addButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"),
                           QRect(margin + fieldWidth - 130 - 10 - 200, bottom, 200, rowHeight));
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::apply);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAllegaCartella::addSlot(int slot, int top) {
    const QString number = QString::number(slot + 1) + QStringLiteral("° file allegato:");
    addLabel(this, slotName("lblFile", slot), QStringLiteral("Nome ") + number,
             QRect(margin, top, fieldWidth, 24));
    QLineEdit* file = addEditBox(this, slotName("txtFile", slot),
                                 QRect(margin, top + 28, fileWidth, rowHeight), Fonts::dataField());
    file->setReadOnly(true);
    file->setFocusPolicy(Qt::ClickFocus); // Tab goes to the slot's buttons and description
    file->setStyleSheet(QStringLiteral("QLineEdit { background: #EEF3F8; }"));
    QPushButton* browseButton =
        addButton(this, slotName("btnSfoglia", slot), QStringLiteral("Sfoglia..."),
                  QRect(margin + fileWidth + 10, top + 28, 120, rowHeight));
    QPushButton* open = addButton(this, slotName("btnApri", slot), QStringLiteral("Apri"),
                                  QRect(margin + fileWidth + 140, top + 28, 70, rowHeight));
    open->setEnabled(false);
    auto* erase = new Picture(slotName("imgCancella", slot),
                              QStringLiteral(":/pictures/cancella_allegato.svg"), this);
    erase->setGeometry(margin + fieldWidth - 28, top + 31, 28, 28);
    erase->makeClickable();
    addLabel(this, slotName("lblDesc", slot), QStringLiteral("Descrizione ") + number,
             QRect(margin, top + 70, fieldWidth, 24));
    if (slot > 0) {
        auto* separator = new QFrame(this);
        separator->setObjectName(slotName("shpSlot", slot));
        separator->setFrameShape(QFrame::HLine);
        separator->setStyleSheet(QStringLiteral("color: #BFD9EE;"));
        separator->setGeometry(margin, top - 14, fieldWidth, 2);
    }
    QLineEdit* description =
        addEditBox(this, slotName("txtDesc", slot), QRect(margin, top + 98, fieldWidth, rowHeight),
                   Fonts::dataField());

    txtFile[slot] = file;
    txtDesc[slot] = description;
    btnSfoglia[slot] = browseButton;
    btnApri[slot] = open;
    imgCancella[slot] = erase;
    connect(file, &QLineEdit::textChanged, this, [file, open](const QString& name) {
        open->setEnabled(!trimBlanks(name).isEmpty());
        file->setCursorPosition(0); // a long name shows its beginning
        file->setToolTip(name);
    });
    connect(browseButton, &QPushButton::clicked, this, [this, slot] { browse(slot); });
    connect(open, &QPushButton::clicked, this,
            [this, file] { openAttachment(this, trimBlanks(file->text())); });
    connect(erase, &Picture::clicked, file, &QLineEdit::clear);
}

void TfrmAllegaCartella::setReturnTo(const QString& marker, Apply apply) {
    returnTo_ = marker;
    apply_ = std::move(apply);
}

void TfrmAllegaCartella::setAttachments(const MemberAttachments& attachments) {
    for (int slot = 0; slot < MemberAttachments::SlotCount; ++slot) {
        txtFile[slot]->setText(trimBlanks(attachments.files[slot]));
        txtDesc[slot]->setText(trimBlanks(attachments.descriptions[slot]));
    }
}

MemberAttachments TfrmAllegaCartella::attachments() const {
    MemberAttachments shown;
    for (int slot = 0; slot < MemberAttachments::SlotCount; ++slot) {
        shown.files[slot] = trimBlanks(txtFile[slot]->text());
        shown.descriptions[slot] = trimBlanks(txtDesc[slot]->text());
    }
    return shown;
}

// A copy that fails leaves the slot as it was and says so: the card never names a file that
// is not in the folder because of it.
void TfrmAllegaCartella::browse(int slot) {
    const std::optional<QString> chosen =
        askOpenFileName(this, QStringLiteral("Selezionare il file da allegare:"), QString(),
                        QStringLiteral("Tutti i file (*.*)"));
    if (!chosen)
        return;
    const QString name = QFileInfo(*chosen).fileName();
    if (!isPlainFileName(name)) {
        showMessage(this, MessageKind::Warning, attachmentNameRefusedMessage(name));
        return;
    }
    if (!attachFile(this, *chosen, name)) {
        showMessage(this, MessageKind::Warning, attachmentNotCopiedMessage(name));
        return;
    }
    txtFile[slot]->setText(name);
}

// Any other marker leaves the window open with nothing handed back.
void TfrmAllegaCartella::apply() {
    if (trimBlanks(returnTo_) != QStringLiteral("anagrafica"))
        return;
    if (apply_)
        apply_(attachments());
    accept();
}

QString attachmentShellTarget(const QString& name) {
    return QLatin1Char('"') + QDir::toNativeSeparators(attachmentPath(name)) + QLatin1Char('"');
}

void editAttachments(QWidget* opener, const MemberAttachments& current,
                     std::function<void(const MemberAttachments&)> apply) {
    run_dialog<TfrmAllegaCartella>(opener, [&](TfrmAllegaCartella& window) {
        window.setReturnTo(QStringLiteral("anagrafica"), std::move(apply));
        window.setAttachments(current);
    });
}
