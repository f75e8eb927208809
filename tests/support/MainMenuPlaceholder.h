#pragma once

#include "shell/ScreenFlow.h"
#include "shell/ScreenKinds.h"

#include <memory>

// A stand-in for the main menu, which an area screen shows when it closes.
inline std::unique_ptr<PersistentScreen> mainMenuPlaceholder(ScreenFlow& flow) {
    return std::make_unique<PersistentScreen>(flow, QStringLiteral("TfrmAvvio"), QString(),
                                              PersistentScreen::Kind::Compact);
}
