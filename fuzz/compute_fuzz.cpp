// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The fuzz target: the whole compute command on in-memory boxes, as the window runs it when
// "Изчисли" is pressed, fed operand texts cut from the fuzzer's bytes. All computes of an input
// run on one calculator, so that what a compute leaves in the state, or where it stopped, meets
// the next one: each pair of the input, then the first pair swapped, then a short ordinary pair.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/compute_checks.h"
#include "fuzz/operand_pairs.h"
#include "support/calculator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::fuzzing::computeAndCheck;
    const std::vector<velmora::fuzzing::OperandPair> pairs =
        velmora::fuzzing::splitOperandPairs(data, size);
    velmora::testing::Calculator calculator;
    for (const velmora::fuzzing::OperandPair& pair : pairs) {
        computeAndCheck(calculator, pair.first, pair.second);
    }
    computeAndCheck(calculator, pairs.front().second, pairs.front().first);
    computeAndCheck(calculator, "-0005", "12");
    return 0;
}
