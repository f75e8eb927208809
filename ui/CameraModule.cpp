#include "ui/CameraModule.h"

#include <QCamera>
#include <QImage>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

class SystemCamera : public QObject {
    Q_OBJECT
public:
    explicit SystemCamera(const QCameraDevice& device) : camera_(device) {
        session_.setCamera(&camera_);
        session_.setVideoSink(&sink_);
        connect(&sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            if (frame.isValid())
                Q_EMIT frameReady(frame.toImage());
        });
    }

    Q_INVOKABLE bool start() {
        camera_.start();
        return camera_.error() == QCamera::NoError;
    }
    Q_INVOKABLE void stop() { camera_.stop(); }

Q_SIGNALS:
    void frameReady(const QImage& frame);

private:
    QCamera camera_;
    QMediaCaptureSession session_;
    QVideoSink sink_;
};

} // namespace

QObject* velarnoOpenSystemCamera() {
    const QCameraDevice device = QMediaDevices::defaultVideoInput();
    if (device.isNull())
        return nullptr;
    return new SystemCamera(device);
}

#include "CameraModule.moc"
