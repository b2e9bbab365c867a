#include "OtherReader.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

OtherReader::OtherReader(const QString& databaseFile) {
    EXPECT_EQ(sqlite3_open_v2(databaseFile.toUtf8().constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    run("BEGIN");
    run("SELECT count(*) FROM sqlite_master");
    reading_ = true;
}

OtherReader::~OtherReader() {
    release();
    sqlite3_close(handle_);
}

void OtherReader::release() {
    if (reading_)
        run("COMMIT");
    reading_ = false;
}

void OtherReader::run(const char* sql) { EXPECT_EQ(sqlite3_exec(handle_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

int OtherReader::count(const QString& table) {
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = QStringLiteral("SELECT count(*) FROM %1").arg(table).toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(handle_, sql.constData(), -1, &statement, nullptr), SQLITE_OK);
    const int n = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
    sqlite3_finalize(statement);
    return n;
}

QString busyMessage(const QString& databaseFile) {
    return QStringLiteral("База данных «%1» занята другой программой (database is locked).")
        .arg(QDir::toNativeSeparators(databaseFile));
}
