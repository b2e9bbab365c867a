#pragma once

class QWidget;

// Puts the window in the middle of the desktop, as the windows described as centred open.
void centreOnScreen(QWidget& window);
