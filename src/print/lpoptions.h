#pragma once
// What was set with lpoptions, read as CUPS reads it: the system's file and
// then the user's own, each line "Default" or "Dest", a printer's name (an
// instance after a slash), and the options given to it. The files are read
// here; their options are parsed where they are used.

#include <string>
#include <string_view>
#include <vector>

namespace print {

class Lpoptions {
public:
    // The system's file (in CUPS_SERVERROOT, else /etc/cups) and the user's
    // (~/.cups/lpoptions), as they are now.
    static Lpoptions ofThisUser();
    Lpoptions(std::string_view systemFile, std::string_view userFile);

    // The printer that a Default line names, printer[/instance], the user's
    // over the system's; empty when none does.
    std::string defaultPrinter() const;

    // The options of the lines for exactly this printer and instance (empty:
    // the printer itself), in the order they apply: later over earlier.
    std::vector<std::string> optionsFor(std::string_view printer, std::string_view instance) const;

private:
    struct Line {
        bool isDefault;
        std::string name; // printer or printer/instance
        std::string options;
    };

    void read(std::string_view file);

    std::vector<Line> lines_;
};

} // namespace print
