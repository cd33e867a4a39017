#pragma once
// What the random user does: a list of actions made from a seed alone. Nothing
// in it depends on how the window reacted, so any subset of a run can be
// replayed in another process by naming the seed and the actions' numbers.

#include <QString>

#include <cstdint>
#include <vector>

namespace ui::random_use {

enum class Act {
    Type,        // click the target field, select all, type the text key by key
    Paste,       // the same, but the text arrives in one Ctrl+V
    TypeHere,    // select all and type into the field that has the focus, if a field has it
    Space,       // press Space on the button that has the focus, if a button other than print has it
    Return,      // press Return wherever the focus is
    OtherWindow, // switch to another program's window and back
    Tab,
    Backtab,
    Click,      // left click on a control, or on the bare window when the target is empty
    RightClick, // opens the field's context menu, which is then closed
};

struct Action {
    Act act;
    QString target; // object name
    QString text;   // typed or pasted
};

struct Plan {
    std::uint32_t seed = 0;
    QString locale; // the window's number format, drawn from the seed too
    std::vector<Action> actions;
};

// Printing is slow and fills a real printer's queue; the plan clicks print at
// most this often, and nothing else prints.
inline constexpr int kMaxPrints = 20;

// The same seed gives the same plan on every machine: no standard
// distribution is used, as their results differ between libraries.
Plan makePlan(std::uint32_t seed, int count);

// One line a person can follow, with long texts abbreviated.
QString describe(const Action& action);

// Action numbers written as ranges, "0-4,9,12-13", for a command line.
QString toRanges(const std::vector<int>& numbers);
// Empty when the text is not such a list.
std::vector<int> fromRanges(const QString& text);

} // namespace ui::random_use
