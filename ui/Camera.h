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

// The system's default camera, or nothing when the computer has none.
std::unique_ptr<CameraSource> openDefaultCamera();

// Tests supply their own source (or none) instead of the system's camera.
using CameraFactory = std::function<std::unique_ptr<CameraSource>()>;
void setCameraFactoryForTests(CameraFactory factory);
