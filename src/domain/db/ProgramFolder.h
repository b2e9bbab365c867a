#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Database;

// Where the program keeps its database and working folders: the folder given with --home (`home`,
// empty when not given), else STAVOR_HOME, else the executable's folder when writable, else the
// user's data folder.
QString resolveProgramFolder(const QString& home, const QString& executableFolder);

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

// What every start does, with or without a window: create the working folders, open (or create)
// the working database, and with `demo` add the demo farms.
std::unique_ptr<Database> openProgramFolder(const QString& folder, bool demo);
