#include "ui/Camera.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

class SystemCamera : public CameraSource {
public:
    explicit SystemCamera(const QCameraDevice& device) : camera_(device) {
        session_.setCamera(&camera_);
        session_.setVideoSink(&sink_);
        connect(&sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            if (frame.isValid())
                Q_EMIT frameReady(frame.toImage());
        });
    }

    bool start() override {
        camera_.start();
        return camera_.error() == QCamera::NoError;
    }
    void stop() override { camera_.stop(); }

private:
    QCamera camera_;
    QMediaCaptureSession session_;
    QVideoSink sink_;
};

CameraFactory& testFactory() {
    static CameraFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<CameraSource> openDefaultCamera() {
    if (testFactory())
        return testFactory()();
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull())
        return nullptr;
    return std::make_unique<SystemCamera>(device);
}

void setCameraFactoryForTests(CameraFactory factory) {
    testFactory() = std::move(factory);
}
