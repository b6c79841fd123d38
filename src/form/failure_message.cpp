// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/failure_message.h"

#include "state/checked_table.h"

namespace velmora {

namespace {

std::string describeTable(const IndexOutOfRange& error) {
    switch (error.table()) {
        case Table::digitTable:
            return "Числото има повече цифри, отколкото таблицата на цифрите побира: нужна е "
                   "позиция " +
                   std::to_string(error.index()) + ", а последната е " +
                   std::to_string(error.lastIndex()) + ".";
        case Table::scaleWords:
            return "Резултатът е твърде дълъг, за да бъде изписан словом: програмата знае имената "
                   "на числата до вигинтилион (66 цифри).";
        default:
            return "Индекс " + std::to_string(error.index()) + " е извън границите на таблицата " +
                   std::string(tableName(error.table())) + " (от 0 до " +
                   std::to_string(error.lastIndex()) + ").";
    }
}

}  // namespace

std::string failureMessage(const std::exception& error) {
    std::string reason;
    if (const auto* outOfRange = dynamic_cast<const IndexOutOfRange*>(&error)) {
        reason = describeTable(*outOfRange);
    } else {
        reason = "Неочаквана грешка: " + std::string(error.what());
    }
    return "Изчислението беше прекъснато.\n" + reason +
           "\nВ полетата остава написаното до момента на грешката.";
}

}  // namespace velmora
