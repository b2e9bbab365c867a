#pragma once

// A case's values in a table of cases: the base ones with `more` added or changed.
template <class Map> Map with(Map base, const Map& more) {
    for (const auto& [key, value] : more)
        base[key] = value;
    return base;
}
