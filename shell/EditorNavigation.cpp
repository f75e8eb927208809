#include "shell/EditorNavigation.h"

#include "storage/StorageNotices.h"
#include "ui/MessageBox.h"

void followNavigationStep(QWidget* editor, const NavigationStep& step,
                          const std::function<void(qint64 position)>& showRecord,
                          const std::function<void()>& forgetPosition) {
    switch (step.kind) {
    case NavigationStep::Kind::Nothing:
        return;
    case NavigationStep::Kind::Show:
        showRecord(step.position);
        return;
    case NavigationStep::Kind::ForgetAndReportEmpty:
        forgetPosition();
        break;
    case NavigationStep::Kind::ReportEmpty:
        break;
    }
    showMessage(editor, MessageKind::Information,
                QStringLiteral("L'archivio non contiene nessuna scheda."));
}

void reportRecordStored(QWidget* editor, bool appended) {
    showMessage(editor, MessageKind::Information,
                appended ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                         : QStringLiteral("Le modifiche apportate alla scheda corrente sono state "
                                          "salvate in archivio."));
}

namespace {

QString noticeText(StorageNotice notice) {
    switch (notice) {
    case StorageNotice::LockRefused:
        return QStringLiteral(
            "Attenzione: il file system della cartella del programma non consente di bloccare "
            "gli archivi durante il salvataggio (succede su alcune cartelle condivise in rete).\n\r"
            "\n\rLe schede vengono salvate ugualmente, ma il programma non deve essere usato "
            "da due computer contemporaneamente su questa cartella.");
    case StorageNotice::ArchiveReadOnly:
        return QStringLiteral(
            "Attenzione: nella cartella del programma è rimasto un salvataggio interrotto che "
            "da questo computer non si può completare, perché qui la cartella non è scrivibile."
            "\n\r\n\rGli archivi si possono consultare ma non modificare: per salvare, "
            "avviare il programma da un computer che abbia i privilegi di scrittura nella "
            "cartella, oppure togliere la protezione dalla scrittura.");
    }
    return {};
}

} // namespace

void tellStorageNotices(QWidget* screen) {
    for (const StorageNotice notice : takeStorageNotices())
        showMessage(screen, MessageKind::Warning, noticeText(notice));
}
