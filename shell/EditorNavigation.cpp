#include "shell/EditorNavigation.h"

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
