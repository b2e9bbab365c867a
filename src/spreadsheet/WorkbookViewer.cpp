#include "WorkbookViewer.h"

#include "SpreadsheetError.h"
#include "XlsxWriter.h"
#include "app/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void showWorkbook(const QString& path) {
    if (qEnvironmentVariable("STAVOR_NO_OPEN") == QLatin1String("1"))
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        throw SpreadsheetError(QStringLiteral("Книга сохранена в файл «%1», но открыть её не удалось: "
                                              "нет программы для просмотра таких файлов.")
                                   .arg(QDir::toNativeSeparators(path)));
}

QString saveToDocAndShow(const Workbook& book, const QString& programFolder, const QString& fileName) {
    const QString doc = ProgramPaths::doc(programFolder);
    // doc is made at start-up; a user may have removed it since.
    QDir().mkpath(doc);
    const QString path = QDir(doc).filePath(fileName);
    saveXlsx(book, path);
    showWorkbook(path);
    return path;
}
