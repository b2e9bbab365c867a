#pragma once

#include "db/UnitDB.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder with its working folders and a new working database.
class TempProgramFolder {
public:
    TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    TDataMdl& data() { return *data_; }
    SqlEngine& db() { return data_->db(); }

    // Region 56 with districts and farms, and settings for it (the demo data).
    void addDemoFarms();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TDataMdl> data_;
};
