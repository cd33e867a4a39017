#pragma once
// A sentence for the user, kept as its English source and what goes in its
// places, so that the window can say it in the user's language. The libraries
// without Qt make their sentences this way; only the window translates them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Marks an English text for translation. lupdate reads it as
// QT_TRANSLATE_NOOP: the same context, the same source.
#define USER_TEXT(context, source) (::message::Text{context, source})
// The same for a sentence with %n, whose count picks the plural form; read
// as QT_TRANSLATE_N_NOOP.
#define USER_PLURAL(context, source) (::message::Text{context, source})

namespace message {

struct Text {
    const char* context = nullptr;
    const char* source = nullptr;
};

struct Message {
    Text text;                      // the sentence, with %1, %2... and %n for count
    std::string literal;            // or words shown as they stand: a figure, a name, a server's own words
    std::vector<Message> arguments; // what goes in %1, %2...
    std::optional<int> count;       // what goes in %n; it also picks the plural form

    Message() = default; // nothing to say
    Message(Text sentence, std::vector<Message> places = {}, std::optional<int> n = {})
        : text(sentence), arguments(std::move(places)), count(n)
    {
    }
    Message(std::string words) : literal(std::move(words)) {}
    // A sentence is marked with USER_TEXT; words that stay are a std::string.
    Message(const char*) = delete;

    bool empty() const { return !text.source && literal.empty(); }
};

// A text as the user reads it: its translation, with %n already filled.
using Translate = std::function<std::string(const Text& text, std::optional<int> count)>;

// The message with every place filled, each text as translate gives it. The
// places are filled in one pass: a "%2" that the user typed stays as typed.
std::string compose(const Message& message, const Translate& translate);

// The message in English, as its sources stand.
std::string english(const Message& message);

} // namespace message
