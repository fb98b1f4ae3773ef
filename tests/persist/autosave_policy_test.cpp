#include "persist/autosave_policy.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessary {
namespace {

// A game started at 1000; each row plays some events, then asks at `now`.
struct PolicyRow {
    const char* name;
    std::function<void(AutosavePolicy&)> events;
    std::int64_t now;
    bool isInProgress;
    bool isDue;
    bool isDueBeforeDiscard;
};

TEST(AutosavePolicyTest, SaysWhenAWriteIsDue) {
    const PolicyRow rows[] = {
        {"nothing changed, however long", [](AutosavePolicy&) {}, 9000, true, false, false},
        {"changed, 2 minutes not yet passed", [](AutosavePolicy& p) { p.noteChange(); }, 1119, true,
         false, true},
        {"changed, 2 minutes passed", [](AutosavePolicy& p) { p.noteChange(); }, 1120, true, true,
         true},
        {"changed, but the game is complete", [](AutosavePolicy& p) { p.noteChange(); }, 1120,
         false, false, false},
        {"written, nothing changed since",
         [](AutosavePolicy& p) {
             p.noteChange();
             p.writeStarted(1200);
             p.writeFinished(true);
         },
         9000, true, false, false},
        {"written, changed since: the interval counts from the write",
         [](AutosavePolicy& p) {
             p.noteChange();
             p.writeStarted(1200);
             p.noteChange();
             p.writeFinished(true);
         },
         1319, true, false, true},
        {"the write failed: due again at the next occasion",
         [](AutosavePolicy& p) {
             p.noteChange();
             p.writeStarted(1200);
             p.writeFinished(false);
         },
         1320, true, true, true},
        {"a new game forgets the old one's changes",
         [](AutosavePolicy& p) {
             p.noteChange();
             p.gameStarted(1100);
         },
         9000, true, false, false},
        {"a new game's interval counts from its start",
         [](AutosavePolicy& p) {
             p.gameStarted(1100);
             p.noteChange();
         },
         1219, true, false, true},
    };
    for (const PolicyRow& row : rows) {
        SCOPED_TRACE(row.name);
        AutosavePolicy policy;
        policy.gameStarted(1000);
        row.events(policy);
        EXPECT_EQ(policy.isDue(row.now, row.isInProgress), row.isDue);
        EXPECT_EQ(policy.isDueBeforeDiscard(row.isInProgress), row.isDueBeforeDiscard);
    }
}

TEST(AutosavePolicyTest, CountsFailuresUntilAWriteSucceeds) {
    AutosavePolicy policy;
    policy.gameStarted(0);
    for (int k = 0; k < 2; ++k) {
        policy.writeStarted(0);
        policy.writeFinished(false);
    }
    EXPECT_EQ(policy.failuresInARow(), 2);
    policy.writeStarted(0);
    policy.writeFinished(true);
    EXPECT_EQ(policy.failuresInARow(), 0);
}

}  // namespace
}  // namespace tessary
