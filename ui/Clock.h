#pragma once

#include <QDate>
#include <QDateTime>

QDate today();
QDateTime now();

// An invalid date-time restores the system clock.
void setClockForTests(const QDateTime& fixedNow);
