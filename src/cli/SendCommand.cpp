#include "Command.h"
#include "CommandArgs.h"
#include "Commands.h"
#include "Console.h"
#include "domain/db/Database.h"
#include "domain/exchange/SendData.h"

#include <QDateTime>

namespace {

int run(const CommandArgs& args) {
    const auto data = args.openProgramFolder();
    printLines(sendData(*data, QDateTime::currentDateTime()).lines);
    return 0;
}

} // namespace

Command sendCommand() {
    return {QStringLiteral("send"),
            QStringLiteral("Отправить данные: районы, хозяйства и таблицы года настройки в файл out/*.mdb."),
            {}, QString(), 0, 0, run};
}
