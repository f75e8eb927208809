#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

QByteArray readWholeFile(const QString& path);
void writeWholeFile(const QString& path, const QByteArray& bytes);

// A record of recordSize bytes whose every byte tells its index, so a misplaced or torn
// record shows.
QByteArray stampedRecord(int recordSize, int index);

// Root ignores file modes, so checks about denied access run in a child process that
// dropped to the "nobody" user. The check returns 0 when it saw what it expected.
constexpr int couldNotDropPrivileges = 77;
int runWithoutPrivileges(const std::function<int()>& check);
