#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

class Database;
struct Command;

// Bad usage of a command: an unknown or repeated option, a missing value, a wrong argument count.
// The command line answers it with the message and the usage line, exit 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The options and arguments of one command as the shared parser read them: `--name VALUE` and
// `--name=VALUE` alike; every option at most once; --home never empty.
class CommandArgs {
public:
    // Throws UsageError.
    static CommandArgs parse(const Command& command, const QStringList& arguments);

    bool isSet(const QString& option) const { return values_.contains(option); }
    QString value(const QString& option) const { return values_.value(option); }
    // An option the command cannot do without.
    QString required(const QString& option) const;
    const QStringList& arguments() const { return arguments_; }

    // The program folder (--home, else STAVOR_HOME, else beside the executable …), opened as every
    // start opens it: working folders made, the working database created when missing.
    std::unique_ptr<Database> openProgramFolder() const;

private:
    QHash<QString, QString> values_;
    QStringList arguments_;
};
