#include "FarmImportCommand.h"

#include "desktop/InformationWindow.h"
#include "desktop/WaitCursor.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"
#include "domain/farmworkbook/FarmWorkbookImport.h"

#include <QFileDialog>

FarmImportCommand::FarmImportCommand(Database& data, QWidget* parent)
    : data_(data), parent_(parent), chooseFiles_([this] {
          return QFileDialog::getOpenFileNames(parent_, QStringLiteral("Таблицы хозяйства"),
                                               ProgramPaths::in(data_.programFolder()),
                                               QStringLiteral("Книги Excel (*.xlsx)"));
      }) {}

FarmImportCommand::~FarmImportCommand() = default;

InformationWindow& FarmImportCommand::information() {
    if (!information_)
        information_ = std::make_unique<InformationWindow>(parent_);
    return *information_;
}

void FarmImportCommand::run() {
    const QStringList paths = chooseFiles_();
    if (paths.isEmpty())
        return;
    QList<FarmFileImport> files;
    {
        const WaitCursor wait;
        for (const QString& path : paths)
            files << importFarmWorkbook(data_.db(), path);
    }
    information().showLines(farmImportReport(files));
}
