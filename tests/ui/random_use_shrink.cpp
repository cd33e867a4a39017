#include "random_use_shrink.h"

#include <algorithm>

namespace ui::random_use {

namespace {

Actions tail(const Actions& actions, std::size_t length)
{
    return {actions.end() - static_cast<std::ptrdiff_t>(length), actions.end()};
}

Actions without(const Actions& actions, std::size_t from, std::size_t to)
{
    Actions rest(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(from));
    rest.insert(rest.end(), actions.begin() + static_cast<std::ptrdiff_t>(to), actions.end());
    return rest;
}

} // namespace

Actions shrink(Actions failing, const std::function<bool(const Actions&)>& stillFails,
               const std::function<bool()>& outOfTime)
{
    for (std::size_t length = 1; length < failing.size() && !outOfTime(); length *= 2) {
        Actions candidate = tail(failing, length);
        if (stillFails(candidate)) {
            failing = std::move(candidate);
            break;
        }
    }

    // Drop one of `pieces` equal pieces at a time; when none can go, cut finer.
    std::size_t pieces = 2;
    while (failing.size() > 1 && !outOfTime()) {
        const std::size_t size = failing.size();
        const std::size_t piece = (size + pieces - 1) / pieces;
        bool dropped = false;
        for (std::size_t from = 0; from < size && !outOfTime(); from += piece) {
            Actions candidate = without(failing, from, std::min(size, from + piece));
            if (stillFails(candidate)) {
                failing = std::move(candidate);
                pieces = std::max<std::size_t>(pieces - 1, 2);
                dropped = true;
                break;
            }
        }
        if (dropped) continue;
        if (pieces >= size) break;
        pieces = std::min(pieces * 2, size);
    }
    return failing;
}

} // namespace ui::random_use
