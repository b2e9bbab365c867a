#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its database and working folders: --home DIR, else STAVOR_HOME,
// else the executable's folder when writable, else the user's data folder.
QString resolveProgramFolder(const QStringList& arguments, const QString& executableFolder);

// Creates the program folder and its working folders in, out, arch, doc.
void prepareProgramFolder(const QString& folder);

namespace ProgramPaths {
QString in(const QString& folder);
QString inArchive(const QString& folder);
QString out(const QString& folder);
QString archive(const QString& folder);
QString doc(const QString& folder);
} // namespace ProgramPaths

// Files taken in are kept, not deleted: on closing, in/*.mdb move to in/arch under the same
// name. A file that cannot be moved (one of that name is already there) stays in in.
void moveIncomingToArchive(const QString& folder);
