#include "WorkbookViewer.h"

#include "domain/spreadsheet/SpreadsheetError.h"
#include "domain/spreadsheet/XlsxWriter.h"

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
    const QString path = saveXlsxToDoc(book, programFolder, fileName);
    showWorkbook(path);
    return path;
}
