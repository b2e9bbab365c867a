#include "ServiceCommands.h"

#include "CleaningWindow.h"
#include "StatusReportWindow.h"
#include "desktop/DialogService.h"
#include "desktop/MainWindow.h"
#include "desktop/WaitCursor.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "domain/service/ArchiveCopy.h"
#include "domain/service/Compaction.h"
#include "domain/service/Restore.h"

#include <QFileDialog>

ServiceCommands::ServiceCommands(Database& data, QWidget* parent)
    : data_(data), parent_(parent), chooseFile_([parent](const QString& folder) {
          return QFileDialog::getOpenFileName(parent, QStringLiteral("Восстановить БД из архива"), folder,
                                              QStringLiteral("Базы данных (*.mdb);;Все файлы (*)"));
      }) {}

ServiceCommands::~ServiceCommands() = default;

void ServiceCommands::install(MainWindow& window) {
    window.setCommand(QStringLiteral("actStatusReport"), [this] { openStatusReport(); });
    window.setCommand(QStringLiteral("actArchive"), [this] { archive(); });
    window.setCommand(QStringLiteral("actRestore"), [this] { restore(); });
    window.setCommand(QStringLiteral("actCompact"), [this] { compact(); });
    window.setCommand(QStringLiteral("actClean"), [this] { openCleaning(); });
}

void ServiceCommands::openStatusReport() {
    if (!status_)
        status_ = std::make_unique<StatusReportWindow>(data_, parent_);
    status_->exec();
}

void ServiceCommands::openCleaning() {
    if (!cleaning_)
        cleaning_ = std::make_unique<CleaningWindow>(data_, parent_);
    cleaning_->exec();
}

void ServiceCommands::archive() {
    QString copy;
    {
        WaitCursor wait;
        copy = makeArchiveCopy(data_);
    }
    dialogs().information(archiveCopyMessage(copy));
}

void ServiceCommands::restore() {
    const QString source = chooseFile_(ProgramPaths::archive(data_.programFolder()));
    if (source.isEmpty() || !dialogs().confirm(restoreQuestion(source)))
        return;
    QString kept;
    {
        WaitCursor wait;
        kept = restoreDatabase(data_, source);
    }
    for (const QString& message : restoredMessages(kept))
        dialogs().information(message);
}

void ServiceCommands::compact() {
    WaitCursor wait;
    compactDatabase(data_, [](const QString& message) {
        // The hourglass is for the compaction itself; the user reads the messages with the normal pointer.
        WaitCursor::restoreAll();
        dialogs().notice(message);
    });
}
