#pragma once

#include <QString>

// Texts the report pages show: the page mode of the status line and the messages of storing.
namespace TableMessages {

inline QString modeNew() { return QStringLiteral("Режим добавления новой записи."); }
inline QString modeEdit() { return QStringLiteral("Режим редактирования существующей записи."); }
// Shown by the entry window when the loaded row has already been sent.
inline QString sentRowEdited() { return QStringLiteral("Редактирование уже отправленной записи."); }
inline QString updated() { return QStringLiteral("Запись изменена."); }
inline QString updateFailed() { return QStringLiteral("Ошибка при изменении записи."); }
inline QString inserted() { return QStringLiteral("Добавлена новая запись."); }
inline QString insertFailed() { return QStringLiteral("Ошибка при добавлении записи."); }

} // namespace TableMessages
