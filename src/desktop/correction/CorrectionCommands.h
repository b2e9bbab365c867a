#pragma once

class Database;
class MainWindow;

// Gives the main window's "Корректировка" items their handlers: each sets its status text and the
// correction selector, then shows the correction list window (created here, kept for the run).
void setCorrectionCommands(Database& data, MainWindow& main);
