#include "ProgramFolder.h"

#include "Database.h"
#include "ReferenceData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString resolveProgramFolder(const QString& home, const QString& executableFolder) {
    if (!home.isEmpty())
        return QDir(home).absolutePath();
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

std::unique_ptr<Database> openProgramFolder(const QString& folder, bool demo) {
    prepareProgramFolder(folder);
    auto data = std::make_unique<Database>(folder);
    if (demo)
        ReferenceData::loadDemoFarms(data->db());
    return data;
}
