#include "CommandLine.h"

#include "Command.h"
#include "CommandArgs.h"
#include "Console.h"
#include "domain/db/ProgramFolder.h"

#include <QCoreApplication>
#include <cstring>
#include <exception>

namespace {

enum ExitCode { kDone = 0, kFailed = 1, kBadUsage = 2 };

QString overview() {
    QStringList lines{QStringLiteral("Stavor — бонитировка мясного скота."), QString(),
                      QStringLiteral("Использование: stavor [--home КАТАЛОГ] [--demo]   окна программы"),
                      QStringLiteral("               stavor КОМАНДА [параметры]        работа без окон"),
                      QStringLiteral("               stavor help КОМАНДА               справка по команде"), QString(),
                      QStringLiteral("Команды:")};
    for (const Command& command : allCommands())
        lines << QStringLiteral("  %1  %2").arg(command.name.leftJustified(22), command.summary);
    lines << QString() << QStringLiteral("Коды выхода: 0 — выполнено, 1 — ошибка, 2 — неверный вызов.");
    return lines.join(u'\n');
}

int badUsage(const QString& text, const Command* command) {
    printError(text);
    printError(command ? command->usage() : QStringLiteral("Список команд: stavor --help"));
    return kBadUsage;
}

int help(const QStringList& words) {
    if (words.isEmpty()) {
        printOut(overview());
        return kDone;
    }
    const Command* command = findCommand(words.first());
    if (!command || words.size() > 1)
        return badUsage(QStringLiteral("Неизвестная команда «%1».").arg(words.join(u' ')), nullptr);
    printOut(command->help());
    return kDone;
}

// The one error handler of every command: whatever a command throws ends it with its message.
int runGuarded(const Command& command, const QStringList& words) {
    try {
        return command.run(CommandArgs::parse(command, words));
    } catch (const UsageError& e) {
        return badUsage(QString::fromUtf8(e.what()), &command);
    } catch (const std::exception& e) {
        printError(QString::fromUtf8(e.what()));
    } catch (...) {
        printError(QStringLiteral("Неизвестная ошибка."));
    }
    return kFailed;
}

} // namespace

bool isCommandLine(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    const char* first = argv[1];
    return std::strncmp(first, "-", 1) != 0 || std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0 ||
           std::strcmp(first, "--version") == 0;
}

int runCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Stavor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STAVOR_VERSION));
    QStringList words = QCoreApplication::arguments().mid(1);
    const QString first = words.takeFirst();
    if (first == QStringLiteral("--version")) {
        printOut(QStringLiteral("stavor %1").arg(QCoreApplication::applicationVersion()));
        return kDone;
    }
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h") || first == QStringLiteral("help"))
        return help(words);
    const Command* command = findCommand(first);
    if (!command)
        return badUsage(QStringLiteral("Неизвестная команда «%1».").arg(first), nullptr);
    if (words.contains(QStringLiteral("--help")))
        return help({first});
    return runGuarded(*command, words);
}

std::optional<StartOptions> parseStartOptions(const QStringList& words) {
    Command start;
    start.options = {{QStringLiteral("demo"), QString(), QString()}};
    try {
        const CommandArgs args = CommandArgs::parse(start, words);
        return StartOptions{resolveProgramFolder(args.value(QStringLiteral("home")), QCoreApplication::applicationDirPath()),
                            args.isSet(QStringLiteral("demo"))};
    } catch (const UsageError& e) {
        printError(QString::fromUtf8(e.what()));
        printError(QStringLiteral("Использование: stavor [--home КАТАЛОГ] [--demo] | stavor КОМАНДА … | stavor --help"));
        return std::nullopt;
    }
}
