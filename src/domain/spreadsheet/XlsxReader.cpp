#include "XlsxReader.h"

#include "SpreadsheetError.h"
#include "Workbook.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <unzip.h>

namespace {

[[noreturn]] void failReading(const QString& path, const QString& reason) {
    throw SpreadsheetError(QStringLiteral("Не удалось прочитать книгу «%1» (%2).")
                               .arg(QDir::toNativeSeparators(path), reason));
}

// The parts of the zip package, read whole.
class Package {
public:
    explicit Package(const QString& path) : path_(path), file_(unzOpen64(QFile::encodeName(path).constData())) {
        if (!file_)
            failReading(path, QStringLiteral("это не файл книги .xlsx"));
    }
    ~Package() { unzClose(file_); }
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    bool has(const QString& part) { return unzLocateFile(file_, part.toUtf8().constData(), 0) == UNZ_OK; }

    QByteArray read(const QString& part) {
        if (!has(part) || unzOpenCurrentFile(file_) != UNZ_OK)
            failReading(path_, QStringLiteral("в файле нет части %1").arg(part));
        QByteArray data;
        char buffer[65536];
        int got = 0;
        while ((got = unzReadCurrentFile(file_, buffer, sizeof buffer)) > 0)
            data.append(buffer, got);
        const int closed = unzCloseCurrentFile(file_);
        if (got < 0 || closed != UNZ_OK)
            failReading(path_, QStringLiteral("часть %1 повреждена").arg(part));
        return data;
    }

    const QString& path() const { return path_; }

private:
    QString path_;
    unzFile file_;
};

void checkXml(const QXmlStreamReader& xml, const Package& package, const QString& part) {
    if (xml.hasError())
        failReading(package.path(), QStringLiteral("ошибка в части %1: %2").arg(part, xml.errorString()));
}

// The text of the element the reader stands on, its runs joined (phonetic hints left out).
QString richText(QXmlStreamReader& xml) {
    QString text;
    const QString end = xml.name().toString();
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"rPh")
                xml.skipCurrentElement();
            else if (xml.name() == u"t")
                text += xml.readElementText();
            else
                ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == 0 && xml.name() == end)
                break;
            --depth;
        }
    }
    return text;
}

QStringList sharedStrings(Package& package) {
    const QString part = QStringLiteral("xl/sharedStrings.xml");
    QStringList strings;
    if (!package.has(part))
        return strings;
    QXmlStreamReader xml(package.read(part));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings << richText(xml);
    checkXml(xml, package, part);
    return strings;
}

// Sheet names with their parts, in workbook order.
QList<std::pair<QString, QString>> sheetParts(Package& package) {
    QHash<QString, QString> targets;
    QXmlStreamReader rels(package.read(QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!rels.atEnd())
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == u"Relationship") {
            QString target = rels.attributes().value(QLatin1String("Target")).toString();
            target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            targets.insert(rels.attributes().value(QLatin1String("Id")).toString(), target);
        }
    checkXml(rels, package, QStringLiteral("xl/_rels/workbook.xml.rels"));
    QList<std::pair<QString, QString>> sheets;
    QXmlStreamReader xml(package.read(QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet") {
            QString id;
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (a.name() == u"id")
                    id = a.value().toString();
            sheets.append({xml.attributes().value(QLatin1String("name")).toString(), targets.value(id)});
        }
    checkXml(xml, package, QStringLiteral("xl/workbook.xml"));
    return sheets;
}

// "B12" → row 12, column 2.
CellAddress addressOf(QStringView reference) {
    CellAddress cell{0, 0};
    int i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        cell.column = cell.column * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
    cell.row = reference.mid(i).toInt();
    return cell;
}

CellValue cellValue(QXmlStreamReader& xml, const QStringList& strings) {
    const QString type = xml.attributes().value(QLatin1String("t")).toString();
    QString raw;
    bool inlineText = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            raw = xml.readElementText();
        else if (xml.name() == u"is") {
            raw = richText(xml);
            inlineText = true;
        } else
            xml.skipCurrentElement();
    }
    if (raw.isEmpty())
        return {};
    if (type == u"s")
        return CellValue(strings.value(raw.toInt()));
    if (inlineText || type == u"str" || type == u"inlineStr" || type == u"e")
        return CellValue(raw);
    if (type == u"b")
        return CellValue(raw.toInt());
    bool number = false;
    const double value = raw.toDouble(&number);
    return number ? CellValue(value) : CellValue(raw);
}

void readSheet(Worksheet& sheet, Package& package, const QString& part, const QStringList& strings) {
    QXmlStreamReader xml(package.read(part));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"c") {
            const CellAddress cell = addressOf(xml.attributes().value(QLatin1String("r")));
            const CellValue value = cellValue(xml, strings);
            if (cell.row > 0 && cell.column > 0 && !value.isEmpty())
                sheet.setValue(cell, value);
        }
    checkXml(xml, package, part);
}

} // namespace

Workbook loadXlsxValues(const QString& path) {
    if (!QFile::exists(path))
        failReading(path, QStringLiteral("файла нет"));
    Package package(path);
    const QStringList strings = sharedStrings(package);
    Workbook book;
    for (const auto& [name, part] : sheetParts(package))
        readSheet(book.addSheet(name), package, part, strings);
    return book;
}
