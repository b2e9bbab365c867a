#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder) {
    const int home = arguments.indexOf(QStringLiteral("--home"));
    if (home >= 0 && home + 1 < arguments.size())
        return QDir(arguments.at(home + 1)).absolutePath();
    const QString env = qEnvironmentVariable("STAVOR_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    if (QFileInfo(executableFolder).isWritable())
        return QDir(executableFolder).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void prepareProgramFolder(const QString& folder) {
    // A folder that cannot be created shows itself later, when a file is written there.
    QDir().mkpath(folder);
    for (const QString& sub : {ProgramPaths::in(folder), ProgramPaths::out(folder), ProgramPaths::archive(folder),
                               ProgramPaths::doc(folder)})
        QDir().mkpath(sub);
}

namespace ProgramPaths {
QString in(const QString& folder) { return QDir(folder).filePath(QStringLiteral("in")); }
QString inArchive(const QString& folder) { return QDir(in(folder)).filePath(QStringLiteral("arch")); }
QString out(const QString& folder) { return QDir(folder).filePath(QStringLiteral("out")); }
QString archive(const QString& folder) { return QDir(folder).filePath(QStringLiteral("arch")); }
QString doc(const QString& folder) { return QDir(folder).filePath(QStringLiteral("doc")); }
} // namespace ProgramPaths

void moveIncomingToArchive(const QString& folder) {
    const QDir in(ProgramPaths::in(folder));
    const QString arch = ProgramPaths::inArchive(folder);
    QDir().mkpath(arch);
    for (const QString& name : in.entryList({QStringLiteral("*.mdb")}, QDir::Files))
        QFile::rename(in.filePath(name), QDir(arch).filePath(name));
}
