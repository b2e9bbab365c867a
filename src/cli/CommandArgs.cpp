#include "CommandArgs.h"

#include "Command.h"
#include "domain/db/Database.h"
#include "domain/db/ProgramFolder.h"

#include <QCoreApplication>

namespace {

const CommandOption kHome{QStringLiteral("home"), QStringLiteral("КАТАЛОГ"), QString()};

const CommandOption* findOption(const Command& command, const QString& name) {
    if (name == kHome.name)
        return &kHome;
    for (const CommandOption& option : command.options)
        if (option.name == name)
            return &option;
    return nullptr;
}

} // namespace

CommandArgs CommandArgs::parse(const Command& command, const QStringList& arguments) {
    CommandArgs parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (!word.startsWith(QStringLiteral("--")) || word == QStringLiteral("--")) {
            parsed.arguments_ << word;
            continue;
        }
        const int equals = word.indexOf(u'=');
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const CommandOption* option = findOption(command, name);
        if (!option)
            throw UsageError(QStringLiteral("Неизвестный параметр «--%1».").arg(name));
        if (parsed.values_.contains(name))
            throw UsageError(QStringLiteral("Параметр «--%1» указан дважды.").arg(name));
        QString value;
        if (option->valueName.isEmpty()) {
            if (equals >= 0)
                throw UsageError(QStringLiteral("Параметр «--%1» не принимает значения.").arg(name));
        } else if (equals >= 0) {
            value = word.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            throw UsageError(QStringLiteral("Параметру «--%1» нужно значение %2.").arg(name, option->valueName));
        }
        if (!option->valueName.isEmpty() && value.trimmed().isEmpty())
            throw UsageError(QStringLiteral("Значение параметра «--%1» пусто.").arg(name));
        parsed.values_.insert(name, value);
    }
    const int count = int(parsed.arguments_.size());
    if (count < command.minArguments || (command.maxArguments >= 0 && count > command.maxArguments))
        throw UsageError(count < command.minArguments ? QStringLiteral("Не хватает аргументов.")
                                                      : QStringLiteral("Лишние аргументы: %1.").arg(parsed.arguments_.join(u' ')));
    return parsed;
}

QString CommandArgs::required(const QString& option) const {
    if (!isSet(option))
        throw UsageError(QStringLiteral("Не указан параметр «--%1».").arg(option));
    return value(option);
}

std::unique_ptr<Database> CommandArgs::openProgramFolder() const {
    const QString folder = resolveProgramFolder(value(kHome.name), QCoreApplication::applicationDirPath());
    return ::openProgramFolder(folder, isSet(QStringLiteral("demo")));
}
