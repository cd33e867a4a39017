#include "message/message.h"

#include <gtest/gtest.h>

#include <string>

namespace message {
namespace {

TEST(Message, FillsEachPlaceOnceWithWhatGoesThere)
{
    const auto text = [](const char* source) { return Text{"test", source}; };
    struct Case {
        Message message;
        const char* english;
    };
    const Case cases[] = {
        {{text("%2 before %1"), {std::string("a"), std::string("b")}}, "b before a"},
        {{text("%1 and %3 at 100%"), {std::string("a")}}, "a and %3 at 100%"},
        {{text("%1, so %n pages were not printed."), {std::string("No server")}, 3},
         "No server, so 3 pages were not printed."},
        // A place typed into a name stays as typed.
        {{text("%1 (%2)"), {std::string("Queue %2"), std::string("why")}}, "Queue %2 (why)"},
        {{text("The page waits on %1: %2."),
          {std::string("P"), Message(text("the printer is %1"), {std::string("off")})}},
         "The page waits on P: the printer is off."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(english(c.message), c.english);
}

} // namespace
} // namespace message
