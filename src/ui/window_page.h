#pragma once
// The printed page: the window as it is shown, fitted to one sheet of paper.

#include <string>

class QWidget;

namespace ui {

// Draws the window onto one PDF page, as large as fits within the margins in
// its own proportions, and writes it to a new file in the temporary folder.
// Returns the file's path once the page is whole on disk; raises a
// PrinterError saying why otherwise, leaving no file behind. The paper is
// Letter where the window's locale measures in inches, A4 elsewhere.
std::string spoolWindowPage(QWidget& window);

} // namespace ui
