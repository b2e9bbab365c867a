#pragma once

#include "Command.h"

class CommandArgs;
struct TitleChoice;

// The options that choose a stored table's title by names, as the entry window takes them:
// --region --district --farm --category --breed --year, each with `prefix` before its name.
QList<CommandOption> titleOptions(const QString& prefix = {}, const QString& helpSuffix = {});
// The names of those options; a missing one is a usage error unless `defaults` gives it.
TitleChoice titleChoice(const CommandArgs& args, const QString& prefix = {}, const TitleChoice* defaults = nullptr);

// --region NAME|all: a region by name or, written as `all` in any case, every region.
CommandOption regionOrAllOption();
// The option's text as the domain takes it: `all` becomes kAllRegionsName.
QString regionOrAll(const QString& option);

// --table N: a report table 1 … 9.
CommandOption tableOption(const QString& help);
int tableNumber(const CommandArgs& args);
