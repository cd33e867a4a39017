#include "message/message.h"

#include <cctype>

namespace message {

std::string compose(const Message& message, const Translate& translate)
{
    if (!message.text.source) return message.literal;
    const std::string pattern = translate(message.text, message.count);
    std::string composed;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        std::size_t end = at + 1;
        std::size_t place = 0;
        // %1 to %99, as Qt numbers its places.
        while (pattern[at] == '%' && end < pattern.size() && end < at + 3 &&
               std::isdigit(static_cast<unsigned char>(pattern[end])))
            place = place * 10 + static_cast<std::size_t>(pattern[end++] - '0');
        if (place >= 1 && place <= message.arguments.size()) {
            composed += compose(message.arguments[place - 1], translate);
            at = end - 1;
        } else {
            composed += pattern[at];
        }
    }
    return composed;
}

std::string english(const Message& message)
{
    return compose(message, [](const Text& text, std::optional<int> count) {
        std::string source = text.source;
        if (const auto at = source.find("%n"); count && at != std::string::npos)
            source.replace(at, 2, std::to_string(*count));
        return source;
    });
}

} // namespace message
