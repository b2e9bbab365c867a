#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class CommandArgs;

// One option of a command: `--name VALUE` when valueName is set, else a switch.
struct CommandOption {
    QString name;
    QString valueName;
    QString help;
};

// One `stavor COMMAND`: its Russian help, its options beside the common --home, how many plain
// arguments it takes, and what it does. run returns the exit code (0 done, 1 failed, or its own).
struct Command {
    QString name;
    QString summary;
    QList<CommandOption> options;
    QString argumentsName; // shown in the usage line; empty when it takes none
    int minArguments = 0;
    int maxArguments = 0;  // -1: any number
    std::function<int(const CommandArgs&)> run;

    QString usage() const;
    QString help() const;
};

// Every command, in the order help lists them.
const QList<Command>& allCommands();
const Command* findCommand(const QString& name);
