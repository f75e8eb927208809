#include "ui/Clock.h"

namespace {
QDateTime& fixedNow() {
    static QDateTime value;
    return value;
}
} // namespace

QDateTime now() {
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate today() {
    return now().date();
}

void setClockForTests(const QDateTime& value) {
    fixedNow() = value;
}
