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

template <class ScreenClass>
void ProgramScreens::addScreen(Screen id, std::function<void(ScreenClass&)> prepare) {
    flow_.addMaker(id, [this, prepare = std::move(prepare)] {
        auto screen = std::make_unique<ScreenClass>(flow_);
        if (prepare)
            prepare(*screen);
        screens_.push_back(std::move(screen));
        return screens_.back().get();
    });
}

// Only the login screen is needed at start; making the others when they are first shown
// keeps the program's start close to that of a window on its own.
ProgramScreens::ProgramScreens(ScreenFlow::EndProgram endProgram) : flow_(std::move(endProgram)) {
    addScreen<TfrmPassword>(Screen::Password);
    addScreen<TfrmAvvio>(Screen::Avvio,
                         [this](TfrmAvvio& mainMenu) { connectExpiryList(mainMenu); });
    addScreen<TfrmCambiaPassword>(Screen::CambiaPassword);
    addScreen<TfrmAnagrafica>(Screen::Anagrafica);
    addScreen<TfrmMenuRicevute>(Screen::MenuRicevute);
    addScreen<TfrmRicevute>(Screen::Ricevute);
    addScreen<TfrmStatistiche>(Screen::Statistiche);
    addScreen<TfrmMenuRiepLavoro>(Screen::MenuRiepLavoro);
}

// The main menu cannot reach the members' screens itself: the list and the editor that a
// double-click in it leads to are joined here.
void ProgramScreens::connectExpiryList(TfrmAvvio& mainMenu) {
    mainMenu.setExpiryListOpener([this, &mainMenu] {
        const MemberOpener openMember = [this, &mainMenu](qint64 position) {
            flow_.moveTo(Screen::Anagrafica, &mainMenu);
            flow_.screen<TfrmAnagrafica>(Screen::Anagrafica).showStoredMember(position);
        };
        run_dialog<TfrmSospesi>(&mainMenu,
                                [&](TfrmSospesi& list) { list.setMemberOpener(openMember); });
    });
}

ProgramScreens::~ProgramScreens() = default;

void ProgramScreens::start() {
    flow_.moveTo(Screen::Password, nullptr);
}
