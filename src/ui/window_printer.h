#pragma once
// Printing the window: one image of it, as displayed, on the default printer.

class QWidget;

namespace ui {

// Renders the window at print resolution, scales it to the width of one page
// and sends it to the system's default printer with no dialog. Raises a
// PrinterError saying why when nothing could be printed; the window is left
// as it was either way.
void printWindowImage(QWidget& window);

}  // namespace ui
