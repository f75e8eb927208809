#pragma once

#include <QtGlobal>

class QObject;

// The system's camera lives in a module of the program folder that is loaded only when a
// camera is first asked for, so that the program starts without the multimedia libraries.
// The module's one entry point gives the default camera, or nullptr when the computer has
// none, as an object seen only through the meta-object system: Q_INVOKABLE bool start(),
// Q_INVOKABLE void stop() and the signal frameReady(QImage), possibly sent from another
// thread. The caller owns the object.
extern "C" Q_DECL_EXPORT QObject* velarnoOpenSystemCamera();

inline constexpr char cameraModuleName[] = "velarno_camera";
inline constexpr char cameraModuleEntry[] = "velarnoOpenSystemCamera";
