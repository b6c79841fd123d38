// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One soak run: a simulated user at the real window, and beside it the core on in-memory boxes
// that receives the same commands with the same operand texts. Each round edits the operand
// boxes with key events, computes, and checks the window against the core and against what the
// keys should have left in the boxes; now and then it clears, or types into the report box.

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include "support/calculator.h"
#include "support/window_driver.h"

namespace velmora::testing {

struct SoakFigures {
    int computes = 0;
    int clears = 0;
    int messageBoxes = 0;
    long residentAtStartKb = 0;
    long residentNowKb = 0;
};

class SoakRun {
public:
    explicit SoakRun(quint32 seed);

    // Plays one round; a failed check is a failure of the running Qt test.
    void playRound();
    void startMeasuring();
    SoakFigures figures() const;

private:
    void editOperand(Box box);
    void compute();
    void clear();
    void typeIntoReport();
    QString randomText(int length);
    QString randomCharacter();
    int randomLength();

    ShownForm form_;
    Calculator core_;
    MessageBoxCloser closer_;
    QRandomGenerator generator_;
    const QStringList unusual_;
    QString expectedOperand_[2];
    SoakFigures figures_;
};

// VmRSS of this process in kB, from /proc/self/status.
long residentMemoryKb();

}  // namespace velmora::testing
