// The yardstick of bench_startup: a bare Qt Widgets program that shows one window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Velarno"));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
