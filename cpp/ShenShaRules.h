// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The star and relation rules behind GetShenShaRelations: the fixed tables and
// the running order in which findings are appended.

#include <vector>

namespace ShenShaRules {

inline constexpr int codeLimit = 104; // relation codes run 0..103

// Positions of a column: stem = column, branch = 20 + column, pillar = 60 + column.
inline constexpr int stemBase = 0;
inline constexpr int branchBase = 20;
inline constexpr int pillarBase = 60;

// The present columns in running order: the four natal ones, then 4..9 when present.
struct Chart {
    int size = 0;
    int column[10] = {};
    int chac[10] = {};

    void add(int col, int sixtyCycle)
    {
        column[size] = col;
        chac[size] = sixtyCycle;
        ++size;
    }
};

// One finding: code, hit position, then reference or partner positions (3 to 5 values).
struct Entry {
    int values[5] = {};
    int size = 0;
};
using EntryList = std::vector<Entry>;

// Appends the findings of every rule, in running order.
void run(const Chart &chart, EntryList &entries);

// UTF-8 display name of a code, nullptr for an unused code.
const char *starName(int code);

} // namespace ShenShaRules
