#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Lets the user pick the printer; false when the print is cancelled. The window asks through
// the print dialog, tests answer directly (a PDF file, for example).
using PrinterChooser = std::function<bool(QPrinter&)>;
PrinterChooser printDialogChooser(QWidget* parent);

// Prints the image of `window` on the first page of `printer`, scaled by the printer's resolution
// over the window's, leaving out the top `skipRows` rows (the row of page tabs); what remains is
// stretched to the full scaled height. Throws when the print job cannot start.
void printWindowImage(QWidget& window, int skipRows, QPrinter& printer);
