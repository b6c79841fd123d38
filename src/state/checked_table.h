// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fixed-bound tables of the calculator. Every element is reached through at(), which checks the
// index against the table's bounds and raises IndexOutOfRange instead of touching memory outside
// the table. The form session turns that error into a message for the user.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

// The tables whose bounds are checked; an index outside one is a failure of that kind.
enum class Table { digitTable, digitTableRow, scaleWords, numeralWords, pole };

// The table's name as the program's own texts give it.
std::string_view tableName(Table table);

// A table index outside its bounds. Carries what the message box needs to explain it.
class IndexOutOfRange : public std::out_of_range {
public:
    IndexOutOfRange(Table table, int index, int lastIndex);

    Table table() const { return table_; }
    int index() const { return index_; }
    int lastIndex() const { return lastIndex_; }

private:
    Table table_;
    int index_;
    int lastIndex_;
};

// A one-dimensional table with indices 0 to LastIndex.
template <typename T, int LastIndex>
class CheckedTable {
public:
    static constexpr int lastIndex = LastIndex;

    explicit CheckedTable(Table table) : table_(table) {}

    T& at(int index) { return cells_[checked(index)]; }
    const T& at(int index) const { return cells_[checked(index)]; }

private:
    std::size_t checked(int index) const {
        if (index < 0 || index > LastIndex) {
            throw IndexOutOfRange(table_, index, LastIndex);
        }
        return static_cast<std::size_t>(index);
    }

    Table table_;
    std::array<T, LastIndex + 1> cells_{};
};

}  // namespace velmora
