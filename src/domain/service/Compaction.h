#pragma once

#include <QString>
#include <functional>

class Database;

inline constexpr const char* kCompactionWorkFile = "tempstavor.mdb";

// "Сжать БД": the connection is closed, a leftover work file removed, the working database
// compacted into the work file, the uncompacted file moved into arch (stamp with seconds) and the
// work file renamed to the working database; the connection is then opened again.
//
// tell receives the messages for the user as they come. A failure throws ServiceError with its
// message; when the last rename fails the uncompacted database is put back in place first, so the
// program never lacks its working database.
void compactDatabase(Database& data, const std::function<void(const QString&)>& tell);
