#pragma once

#include "domain/db/Database.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder with its working folders and a new working database.
class TempProgramFolder {
public:
    TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    Database& data() { return *data_; }
    SqlEngine& db() { return data_->db(); }

    // Region 56 with districts and farms, and settings for it (the demo data).
    void addDemoFarms();

private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> data_;
};
