#include "MainCommands.h"

const std::vector<MainCommand>& toolbarCommands() {
    static const std::vector<MainCommand> commands{
        {"actInput", "Ввод", QStyle::SP_FileDialogNewFolder},
        {"actReceive", "Принять данные", QStyle::SP_ArrowDown},
        {"actSend", "Отправить данные", QStyle::SP_ArrowUp},
        {"actSettings", "Настройка", QStyle::SP_FileDialogDetailedView},
        {"actStatusReport", "Справка о состоянии БД", QStyle::SP_FileDialogInfoView},
        {"actArchive", "Создать архив БД", QStyle::SP_DialogSaveButton},
        {"actRestore", "Восстановить БД из архива ", QStyle::SP_BrowserReload},
        {"actCompact", "Сжать БД", QStyle::SP_DriveHDIcon},
    };
    return commands;
}

const std::vector<CorrectionItem>& correctionItems() {
    static const std::vector<CorrectionItem> items{
        {"Корректировка заголовка всех таблиц", 0, ""},
        {"Таблица 1", 1, "Корректировка Таблицы 1."},
        {"Таблица 2", 2, "Корректировка Таблицы 2."},
        {"Таблица 3", 3, "Корректировка Таблицы 3."},
        {"Таблица 4", 4, "Корректировка Таблицы 4."},
        {"Таблица 5", 5, "Корректировка Таблицы 5."},
        {"Таблица 6", 6, "Корректировка Таблицы 6."},
        {"Таблица 7", 8, "Корректировка Таблицы 7."},
        {"Таблица 8", 9, "Корректировка Таблицы 8."},
        {"Таблица 9", 7, "Корректировка Таблицы 9."},
    };
    return items;
}

const std::vector<ReferenceBookItem>& referenceBookItems() {
    static const std::vector<ReferenceBookItem> items{
        {"actSpravSpobl", "Регионы", "spobl"},
        {"actSpravKodra", "Районы", "kodra"},
        {"actSpravKodxoz", "Хозяйства", "kodxoz"},
        {"actSpravKodkx", "Категории хозяйств", "kodkx"},
        {"actSpravSppor", "Породы КРС", "sppor"},
        {"actSpravSklin", "Линии КРС", "sklin"},
        {"actSpravKodup", "Улучшающие породы", "kodup"},
        {"actSpravKodst", "Страны (место рождения быка)", "kodst"},
        {"actSpravKodkb", "Категории быков", "kodkb"},
    };
    return items;
}
