#pragma once
// Printing the window: one image of it, as displayed, on the default printer.

class QWidget;

namespace ui {

// Renders the window at print resolution, scales it to fit one page of the
// system's default printer, looked up at each call, and prints it there with
// no dialog. Raises a PrinterError saying why when there is no default printer
// or the printer does not take the page; the window is left as it was either
// way.
void printWindowImage(QWidget& window);

} // namespace ui
