#include "print/lpoptions.h"

#include "print/state_words.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace print {

namespace {

std::string contentsOf(const std::string& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

constexpr std::string_view kBlank = " \t\r";

} // namespace

Lpoptions Lpoptions::ofThisUser()
{
    const char* root = std::getenv("CUPS_SERVERROOT");
    const char* home = std::getenv("HOME");
    return Lpoptions(contentsOf(std::string(root && *root ? root : "/etc/cups") + "/lpoptions"),
                     home && *home ? contentsOf(std::string(home) + "/.cups/lpoptions") : std::string());
}

Lpoptions::Lpoptions(std::string_view systemFile, std::string_view userFile)
{
    read(systemFile);
    read(userFile);
}

void Lpoptions::read(std::string_view file)
{
    while (!file.empty()) {
        const auto end = std::min(file.find('\n'), file.size());
        std::string_view line = file.substr(0, end);
        file.remove_prefix(std::min(end + 1, file.size()));
        line = line.substr(0, line.find_last_not_of(kBlank) + 1);
        // keyword, blanks, name, then the options as they stand
        const auto keywordEnd = std::min(line.find_first_of(kBlank), line.size());
        const std::string_view keyword = line.substr(0, keywordEnd);
        const bool isDefault = sameWords(keyword, "Default");
        if (!isDefault && !sameWords(keyword, "Dest")) continue;
        line.remove_prefix(keywordEnd);
        const auto nameAt = line.find_first_not_of(kBlank);
        if (nameAt == std::string_view::npos) continue;
        line.remove_prefix(nameAt);
        const auto nameEnd = std::min(line.find_first_of(kBlank), line.size());
        const auto optionsAt = std::min(line.find_first_not_of(kBlank, nameEnd), line.size());
        lines_.push_back({isDefault, std::string(line.substr(0, nameEnd)), std::string(line.substr(optionsAt))});
    }
}

std::string Lpoptions::defaultPrinter() const
{
    std::string name;
    for (const Line& line : lines_)
        if (line.isDefault) name = line.name;
    return name;
}

std::vector<std::string> Lpoptions::optionsFor(std::string_view printer, std::string_view instance) const
{
    const std::string name =
        instance.empty() ? std::string(printer) : std::string(printer) + "/" + std::string(instance);
    std::vector<std::string> options;
    for (const Line& line : lines_)
        if (sameWords(line.name, name) && !line.options.empty()) options.push_back(line.options);
    return options;
}

} // namespace print
