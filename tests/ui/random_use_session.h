#pragma once
// Plays a plan's actions on a real calculator window, one after another, as a
// user would, and after each action checks that the window is alive and looks
// exactly as the reference window says it must (see random_use_reference.h).

#include "random_use_plan.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QTextStream;

namespace ui::random_use {

struct Violation {
    int action = -1; // number in the plan; -1 is the start-up state
    QString invariant;
    QString detail;
};

struct Figures {
    int actionsRun = 0;
    int dialogsClosed = 0;        // message boxes and context menus
    std::map<QString, int> boxes; // by kind: "Overflow", "All values must be entered", ...
    int ratiosChecked = 0;
    int capacitiesChecked = 0;
    int gasketVolumesChecked = 0;
    int outOfDateSeen = 0; // checks that found a result rightly drawn out of date
    int prints = 0;
    qint64 slowestPrintMs = 0;
    qint64 printMs = 0;
    qint64 slowestActionMs = 0;
    qint64 elapsedMs = 0;
    int violations = 0;
    std::vector<Violation> firstViolations; // at most kKeptViolations, in order

    QJsonObject toJson() const;
    static Figures fromJson(const QJsonObject& json);
};

inline constexpr std::size_t kKeptViolations = 10;

struct RunOptions {
    // A shrinking run needs only to know whether the failure comes back.
    bool stopAtFirstViolation = false;
    // Told each action's number before the action starts, from the GUI thread.
    std::function<void(int number)> starting;
    // When set, every action, box and difference is written here.
    QTextStream* trace = nullptr;
};

// Runs the plan's actions with the given numbers, in that order, on a fresh
// window. Needs a QApplication.
Figures runActions(const Plan& plan, const std::vector<int>& numbers, const RunOptions& options);

} // namespace ui::random_use
