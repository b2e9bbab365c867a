#pragma once

#include <QString>
#include <QStyle>
#include <vector>

// The commands of the main window: object name, text, toolbar hint and picture. Menu item and
// toolbar button of one command share one action.
struct MainCommand {
    const char* name;
    const char* text;
    QStyle::StandardPixmap icon; // SP_CustomBase: no toolbar button
};

// Toolbar buttons, left to right.
const std::vector<MainCommand>& toolbarCommands();

struct CorrectionItem {
    const char* text;
    int selector;
    const char* status; // empty: the status bar keeps its text
};
// "Корректировка" submenu, in menu order.
const std::vector<CorrectionItem>& correctionItems();

struct ReferenceBookItem {
    const char* name;  // action object name
    const char* text;
    const char* table;
};
const std::vector<ReferenceBookItem>& referenceBookItems();
