#include "CommandRunner.h"

#include "DialogService.h"
#include "WaitCursor.h"

#include <exception>

bool runCommand(const std::function<void()>& command) {
    QString failure;
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    } catch (...) {
        failure = QStringLiteral("Неизвестная ошибка.");
    }
    WaitCursor::restoreAll();
    dialogs().error(failure.isEmpty() ? QStringLiteral("Неизвестная ошибка.") : failure);
    return false;
}
