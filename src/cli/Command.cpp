#include "Command.h"

QString Command::usage() const {
    QString line = QStringLiteral("stavor %1 --home КАТАЛОГ").arg(name);
    for (const CommandOption& option : options)
        line += option.valueName.isEmpty() ? QStringLiteral(" [--%1]").arg(option.name)
                                           : QStringLiteral(" --%1 %2").arg(option.name, option.valueName);
    if (!argumentsName.isEmpty())
        line += u' ' + argumentsName;
    return QStringLiteral("Использование: ") + line;
}

QString Command::help() const {
    QStringList lines{usage(), QString(), summary, QString(), QStringLiteral("Параметры:"),
                      QStringLiteral("  --home КАТАЛОГ  папка программы (иначе STAVOR_HOME, иначе папка программы stavor)")};
    for (const CommandOption& option : options) {
        const QString head = option.valueName.isEmpty() ? QStringLiteral("--%1").arg(option.name)
                                                        : QStringLiteral("--%1 %2").arg(option.name, option.valueName);
        lines << QStringLiteral("  %1  %2").arg(head, option.help);
    }
    return lines.join(u'\n');
}

const Command* findCommand(const QString& name) {
    for (const Command& command : allCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}
