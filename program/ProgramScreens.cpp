#include "program/ProgramScreens.h"

#include "members/TfrmAnagrafica.h"
#include "members/TfrmSospesi.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmRicevute.h"
#include "reports/TfrmMenuRiepLavoro.h"
#include "reports/TfrmStatistiche.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "ui/DialogRunner.h"

template <class ScreenClass> void ProgramScreens::create(Screen id) {
    screens_.push_back(std::make_unique<ScreenClass>(flow_));
    flow_.add(id, screens_.back().get());
}

ProgramScreens::ProgramScreens(ScreenFlow::EndProgram endProgram) : flow_(std::move(endProgram)) {
    create<TfrmPassword>(Screen::Password);
    create<TfrmAvvio>(Screen::Avvio);
    create<TfrmCambiaPassword>(Screen::CambiaPassword);
    create<TfrmAnagrafica>(Screen::Anagrafica);
    create<TfrmMenuRicevute>(Screen::MenuRicevute);
    create<TfrmRicevute>(Screen::Ricevute);
    create<TfrmStatistiche>(Screen::Statistiche);
    create<TfrmMenuRiepLavoro>(Screen::MenuRiepLavoro);
    connectExpiryList();
}

// The main menu cannot reach the members' screens itself: the list and the editor that a
// double-click in it leads to are joined here.
void ProgramScreens::connectExpiryList() {
    auto& mainMenu = flow_.screen<TfrmAvvio>(Screen::Avvio);
    auto& editor = flow_.screen<TfrmAnagrafica>(Screen::Anagrafica);
    mainMenu.setExpiryListOpener([this, &mainMenu, &editor] {
        const MemberOpener openMember = [this, &mainMenu, &editor](qint64 position) {
            flow_.moveTo(Screen::Anagrafica, &mainMenu);
            editor.showStoredMember(position);
        };
        run_dialog<TfrmSospesi>(&mainMenu,
                                [&](TfrmSospesi& list) { list.setMemberOpener(openMember); });
    });
}

ProgramScreens::~ProgramScreens() = default;

void ProgramScreens::start() {
    flow_.moveTo(Screen::Password, nullptr);
}
