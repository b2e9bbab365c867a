#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class TDataMdl;

// What every start does, with or without a window: find the program folder, create its working
// folders, open (or create) the working database, and with --demo add the demo farms.
std::unique_ptr<TDataMdl> openProgramFolder(const QStringList& arguments, const QString& executableFolder);
