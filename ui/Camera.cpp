#include "ui/Camera.h"

#include "ui/CameraModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// A camera of the module, driven by name: the program shares no code with the module beyond
// the toolkit's own.
class ModuleCamera : public CameraSource {
public:
    explicit ModuleCamera(QObject* device) : device_(device) {
        device_->setParent(this);
        connect(device_, SIGNAL(frameReady(QImage)), this, SIGNAL(frameReady(QImage)),
                Qt::DirectConnection);
    }

    bool start() override {
        bool started = false;
        QMetaObject::invokeMethod(device_, "start", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, started));
        return started;
    }
    void stop() override { QMetaObject::invokeMethod(device_, "stop", Qt::DirectConnection); }

private:
    QObject* device_;
};

CameraFactory& testFactory() {
    static CameraFactory factory;
    return factory;
}

} // namespace

CameraFactory loadCameraModule(const QString& folder) {
    QLibrary module(QDir(folder).filePath(QLatin1String(cameraModuleName)));
    using Entry = QObject* (*)();
    const auto openCamera = reinterpret_cast<Entry>(module.resolve(cameraModuleEntry));
    if (!openCamera)
        return {};
    return [openCamera]() -> std::unique_ptr<CameraSource> {
        QObject* device = openCamera();
        if (!device)
            return nullptr;
        return std::make_unique<ModuleCamera>(device);
    };
}

std::unique_ptr<CameraSource> openDefaultCamera() {
    if (testFactory())
        return testFactory()();
    static const CameraFactory systemCameras =
        loadCameraModule(QCoreApplication::applicationDirPath());
    return systemCameras ? systemCameras() : nullptr;
}

void setCameraFactoryForTests(CameraFactory factory) {
    testFactory() = std::move(factory);
}
