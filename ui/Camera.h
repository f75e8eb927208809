#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>

// A video capture device: switched on and off, hands each frame to the event loop.
class CameraSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool start() = 0; // false when the device cannot be switched on
    virtual void stop() = 0;

Q_SIGNALS:
    void frameReady(const QImage& frame);
};

using CameraFactory = std::function<std::unique_ptr<CameraSource>()>;

// The cameras of the camera module in `folder` (loaded now, and kept loaded), or an empty
// factory when the folder holds no such module.
CameraFactory loadCameraModule(const QString& folder);

// The system's default camera, from the module of the program folder loaded at the first call;
// nothing when the computer has no camera or the module is missing.
std::unique_ptr<CameraSource> openDefaultCamera();

// Tests supply their own source (or none) instead of the system's camera.
void setCameraFactoryForTests(CameraFactory factory);
