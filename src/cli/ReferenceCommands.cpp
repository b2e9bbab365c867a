#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/references/ReferenceEditing.h"

namespace {

const CommandOption kBook{QStringLiteral("book"), QStringLiteral("ТАБЛИЦА"),
                          QStringLiteral("справочник: spobl, kodra, kodxoz, kodkx, sppor, sklin, kodup, kodst, kodkb")};

const ReferenceBook& bookOf(const CommandArgs& args) {
    const QString name = args.required(kBook.name);
    const ReferenceBook* book = findReferenceBook(name);
    if (!book)
        throw UsageError(QStringLiteral("Справочника «%1» нет.").arg(name));
    return *book;
}

// A book that may be changed, given as many plain arguments as `columns` of it names.
const ReferenceBook& editableBookOf(const CommandArgs& args, QStringList BookEditing::*columns, const QString& what) {
    const ReferenceBook& book = bookOf(args);
    if (!book.editable)
        throw UsageError(QStringLiteral("Справочник «%1» только для чтения.").arg(book.table));
    const QStringList& wanted = book.editing.*columns;
    if (args.arguments().size() != wanted.size())
        throw UsageError(QStringLiteral("Для справочника «%1» нужны %2: %3.").arg(book.table, what, wanted.join(u' ')));
    return book;
}

QString lineOf(const SqlRow& row) {
    QStringList fields;
    for (int i = 0; i < row.fieldCount(); ++i)
        fields << row.text(i);
    return fields.join(u'\t');
}

int list(const CommandArgs& args) {
    const ReferenceBook& book = bookOf(args);
    const auto data = args.openProgramFolder();
    const SqlResult rows = openBookView(data->db(), book.view);
    QStringList captions;
    for (const BookColumn& c : book.view.columns)
        captions << c.caption;
    if (args.isSet(QStringLiteral("search"))) {
        const int found = searchBookRow(rows, book, args.value(QStringLiteral("search")));
        if (found < 0) {
            printError(QStringLiteral("В справочнике «%1» нет записи с кодом «%2».")
                           .arg(book.caption, args.value(QStringLiteral("search")).trimmed()));
            return 3;
        }
        printOut(captions.join(u'\t'));
        printOut(lineOf(rows[found]));
        return 0;
    }
    printOut(book.caption);
    printOut(captions.join(u'\t'));
    for (const SqlRow& row : rows)
        printOut(lineOf(row));
    return 0;
}

int add(const CommandArgs& args) {
    const ReferenceBook& book = editableBookOf(args, &BookEditing::columns, QStringLiteral("значения"));
    const auto data = args.openProgramFolder();
    addBookRow(data->db(), book, args.arguments());
    printOut(QStringLiteral("Запись добавлена в справочник «%1».").arg(book.table));
    return 0;
}

int deleteRow(const CommandArgs& args) {
    const ReferenceBook& book = editableBookOf(args, &BookEditing::key, QStringLiteral("все коды ключа"));
    const auto data = args.openProgramFolder();
    if (!deleteBookRow(data->db(), book, args.arguments())) {
        printError(QStringLiteral("В справочнике «%1» нет записи с ключом %2.")
                       .arg(book.table, args.arguments().join(u' ')));
        return 3;
    }
    printOut(QStringLiteral("Запись удалена из справочника «%1».").arg(book.table));
    return 0;
}

} // namespace

Command referenceListCommand() {
    return {QStringLiteral("reference-list"),
            QStringLiteral("Показывает справочник или ищет в нём запись по коду."),
            {kBook,
             {QStringLiteral("search"), QStringLiteral("КОД"), QStringLiteral("найти первую запись с этим кодом")}},
            QString(), 0, 0, list};
}

Command referenceAddCommand() {
    return {QStringLiteral("reference-add"),
            QStringLiteral("Добавляет запись в справочник: район, хозяйство, линию, улучшающую породу, "
                           "категорию быка."),
            {kBook}, QStringLiteral("ЗНАЧЕНИЕ…"), 1, -1, add};
}

Command referenceDeleteCommand() {
    return {QStringLiteral("reference-delete"),
            QStringLiteral("Удаляет запись справочника по полному ключу (район: регион и район; хозяйство: "
                           "регион, район и хозяйство)."),
            {kBook}, QStringLiteral("КЛЮЧ…"), 1, -1, deleteRow};
}
