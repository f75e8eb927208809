#include "StorageFixtures.h"

#include <QFile>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray stampedRecord(int recordSize, int index) {
    QByteArray record = QByteArray::number(index).leftJustified(recordSize, '.');
    record[recordSize - 1] = char('A' + index % 26);
    return record;
}

int runWithoutPrivileges(const std::function<int()>& check) {
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child < 0)
        return couldNotDropPrivileges;
    if (child == 0) {
        const gid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(couldNotDropPrivileges);
        _exit(check());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
