// SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The soak test of the real window: thousands of rounds of a user typing operands of every kind
// (up to and past the 65-character limit), computing with Enter or "Изчисли", and now and then
// clearing. After every compute the window shows exactly the report and result that the core
// gives for the same texts on in-memory boxes, and over the whole run resident memory grows by
// less than 2 MB. VELMORA_SOAK_ROUNDS sets the rounds (default 10,000), VELMORA_SEED the seed.

#include <QTest>

#include "soak/soak_run.h"

namespace velmora::testing {

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void typedRoundsMatchTheCoreAndKeepMemory();
};

namespace {

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Address sanitizer keeps freed memory in quarantine, so resident memory says nothing there;
// LeakSanitizer checks the same property at exit instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryIsMeaningful = false;
#else
constexpr bool residentMemoryIsMeaningful = true;
#endif

constexpr long memoryGrowthLimitKb = 2 * 1024;

}  // namespace

void SoakTest::typedRoundsMatchTheCoreAndKeepMemory() {
    const int rounds = environmentNumber("VELMORA_SOAK_ROUNDS", 10000);
    const auto seed = static_cast<quint32>(environmentNumber("VELMORA_SEED", 20261208));
    const int warmUp = std::max(200, rounds / 10);
    qInfo("soak: %d rounds after a warm-up of %d, seed %u (VELMORA_SEED)", rounds, warmUp, seed);

    SoakRun run(seed);
    for (int round = 0; round < warmUp + rounds; ++round) {
        if (round == warmUp) {
            run.startMeasuring();
        }
        run.playRound();
        if (QTest::currentTestFailed()) {
            qInfo("soak: failed in round %d of seed %u", round, seed);
            return;
        }
    }
    const SoakFigures figures = run.figures();
    qInfo("soak: %d computes, %d clears, resident memory %ld kB -> %ld kB (%+ld kB)",
          figures.computes, figures.clears, figures.residentAtStartKb, figures.residentNowKb,
          figures.residentNowKb - figures.residentAtStartKb);
    QVERIFY(figures.computes >= rounds);
    QCOMPARE(figures.messageBoxes, 0);
    if (residentMemoryIsMeaningful) {
        QVERIFY2(figures.residentNowKb - figures.residentAtStartKb < memoryGrowthLimitKb,
                 "resident memory grew by 2 MB or more");
    }
}

}  // namespace velmora::testing

QTEST_MAIN(velmora::testing::SoakTest)
#include "soak_test.moc"
