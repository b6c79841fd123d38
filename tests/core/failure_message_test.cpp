// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every place that stops a command raises an error that carries what the user is told: the table,
// the index and the table's last index, in the error's own text and in the message box's.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "form/failure_message.h"
#include "state/calculator_state.h"
#include "state/memory_boxes.h"
#include "support/calculator.h"
#include "words/word_lines.h"

namespace velmora::testing {
namespace {

struct Bounds {
    Table table;
    int index;
    int lastIndex;
    bool operator==(const Bounds&) const = default;
};

struct Failure {
    const char* name;
    std::function<void()> raise;
    std::optional<Bounds> bounds;  // for an index out of range
    const char* what;
    const char* reason;  // the message's line between its first and its last
};

const char* const digitTableFull =
    "Числото има повече цифри, отколкото таблицата на цифрите побира: нужна е позиция 121, а "
    "последната е 120.";
const char* const noScaleWord =
    "Резултатът е твърде дълъг, за да бъде изписан словом: програмата знае имената на числата до "
    "вигинтилион (66 цифри).";

const Failure failures[] = {
    {"a box past the last", [] { boxAt(5); }, Bounds{Table::pole, 5, 4},
     "Pole: index 5 outside 0..4", "Индекс 5 е извън границите на таблицата Pole (от 0 до 4)."},
    {"a box made from a negative number", [] { MemoryBoxes().text(static_cast<Box>(-1)); },
     Bounds{Table::pole, -1, 4}, "Pole: index -1 outside 0..4",
     "Индекс -1 е извън границите на таблицата Pole (от 0 до 4)."},
    {"a digit position past the table", [] { DigitTable().at(121, 0); },
     Bounds{Table::digitTable, 121, 120}, "digitTable: index 121 outside 0..120", digitTableFull},
    {"a negative digit position", [] { DigitTable().at(-1, 1); },
     Bounds{Table::digitTable, -1, 120}, "digitTable: index -1 outside 0..120",
     "Числото има повече цифри, отколкото таблицата на цифрите побира: нужна е позиция -1, а "
     "последната е 120."},
    {"a row past the table", [] { DigitTable().at(5, 3); }, Bounds{Table::digitTableRow, 3, 2},
     "digitTable row: index 3 outside 0..2",
     "Индекс 3 е извън границите на таблицата digitTable row (от 0 до 2)."},
    {"a run of positions reaching past the table", [] { DigitTable().positions(1, 100, 125); },
     Bounds{Table::digitTable, 121, 120}, "digitTable: index 121 outside 0..120", digitTableFull},
    {"a run of positions starting past the table", [] { DigitTable().positions(2, 130, 135); },
     Bounds{Table::digitTable, 130, 120}, "digitTable: index 130 outside 0..120",
     "Числото има повече цифри, отколкото таблицата на цифрите побира: нужна е позиция 130, а "
     "последната е 120."},
    {"a scale word past its table", [] { CalculatorState().scaleWords.at(167); },
     Bounds{Table::scaleWords, 167, 166}, "scaleWords: index 167 outside 0..166", noScaleWord},
    {"a negative numeral", [] { CalculatorState().numeralWords.at(-1); },
     Bounds{Table::numeralWords, -1, 170}, "numeralWords: index -1 outside 0..170",
     "Индекс -1 е извън границите на таблицата numeralWords (от 0 до 170)."},
    {"a 67-digit result, past the last scale word",
     [] { Calculator().compute(std::string(66, '9'), "1"); }, Bounds{Table::scaleWords, 22, 21},
     "scaleWords: index 22 outside 0..21", noScaleWord},
    {"words past the room of their lines",
     [] {
         WordLines lines;
         lines.add(std::string(2400, 'x'));
         lines.add('x');
     },
     std::nullopt, "думите на числото не се побират в 2400 байта",
     "Неочаквана грешка: думите на числото не се побират в 2400 байта"},
};

TEST(Failures, CarryTheirDetailsIntoTheMessage) {
    for (const Failure& failure : failures) {
        try {
            failure.raise();
            ADD_FAILURE() << failure.name << ": nothing raised";
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), failure.what) << failure.name;
            EXPECT_EQ(failureMessage(error), std::string("Изчислението беше прекъснато.\n") +
                                                 failure.reason +
                                                 "\nВ полетата остава написаното до момента на "
                                                 "грешката.")
                << failure.name;
            const auto* outOfRange = dynamic_cast<const IndexOutOfRange*>(&error);
            const std::optional<Bounds> bounds =
                outOfRange == nullptr
                    ? std::nullopt
                    : std::optional<Bounds>(
                          {outOfRange->table(), outOfRange->index(), outOfRange->lastIndex()});
            EXPECT_TRUE(bounds == failure.bounds) << failure.name;
        }
    }
    EXPECT_NO_THROW(WordLines().add(std::string(2400, 'x')));  // a line that fills the room fits
}

}  // namespace
}  // namespace velmora::testing
