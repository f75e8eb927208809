#include "ui/CameraModule.h"

#include <QImage>
#include <QObject>
#include <QThread>
#include <memory>

namespace {

// A stand-in for the program's camera module: a camera that cannot be switched on twice
// without being switched off, and that sends a red frame from a thread of its own, as a real
// camera does, each time it is switched on.
class FakeModuleCamera : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE bool start() {
        if (running_)
            return false;
        running_ = true;
        QImage frame(640, 480, QImage::Format_RGB32);
        frame.fill(Qt::red);
        std::unique_ptr<QThread> thread(
            QThread::create([this, frame] { Q_EMIT frameReady(frame); }));
        thread->start();
        thread->wait();
        return true;
    }
    Q_INVOKABLE void stop() { running_ = false; }

Q_SIGNALS:
    void frameReady(const QImage& frame);

private:
    bool running_ = false;
};

} // namespace

QObject* velarnoOpenSystemCamera() {
    return new FakeModuleCamera;
}

#include "FakeCameraModule.moc"
