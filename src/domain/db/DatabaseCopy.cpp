#include "DatabaseCopy.h"

#include "SqlEngine.h"
#include "SqlError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

namespace {

constexpr int kMaxNameAttempts = 1000;

} // namespace

DatabaseCopy::DatabaseCopy(SqlEngine& source, const QString& folder) {
    QTemporaryFile reserved(QDir(folder).filePath(QStringLiteral(".stavor-copy.XXXXXX")));
    if (!reserved.open())
        throw SqlError(QStringLiteral("нельзя записывать в папку «%1»").arg(QDir::toNativeSeparators(folder)));
    reserved.setAutoRemove(false);
    path_ = reserved.fileName();
    reserved.close();
    try {
        source.vacuumInto(path_);
    } catch (...) {
        QFile::remove(path_);
        throw;
    }
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

DatabaseCopy::~DatabaseCopy() {
    if (!placed_)
        QFile::remove(path_);
}

QString DatabaseCopy::placeAsNew(const std::function<QString(int)>& nameFor) {
    const QString placed = renameToFreeName(path_, nameFor);
    if (placed.isEmpty())
        throw SqlError(QStringLiteral("копию не удалось переименовать в «%1»").arg(QDir::toNativeSeparators(nameFor(1))));
    placed_ = true;
    return placed;
}

void DatabaseCopy::placeOver(const QString& target) {
    std::error_code error;
    // Unlike QFile::rename, this replaces the target in one step.
    std::filesystem::rename(std::filesystem::path(path_.toStdU16String()),
                            std::filesystem::path(QFileInfo(target).absoluteFilePath().toStdU16String()), error);
    if (error)
        throw SqlError(QStringLiteral("файл «%1» не удалось заменить: %2")
                           .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(error.message())));
    placed_ = true;
}

QString renameToFreeName(const QString& file, const std::function<QString(int)>& nameFor) {
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QString name = nameFor(attempt);
        // QFile::rename refuses an existing target, so two copies never share a name.
        if (QFile::rename(file, name))
            return name;
        if (!QFileInfo::exists(name))
            return {};
    }
    return {};
}
