#include "app/session/StageSession.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct HeardChanges final : SessionListener {
    void SessionChanged(SessionChange change) override { heard.push_back(change); }
    std::vector<SessionChange> heard;
};

SharedResult ResultOf(const Stage& entered) {
    auto result = std::make_shared<SweepResult>();
    result->Entered = entered;
    result->Frequencies = {10, 20};
    return result;
}

struct SessionCase {
    const char* name;
    std::function<void(StageSession&, Stage& typed)> act;
    std::vector<SessionChange> heard;
    bool modified;
    bool resultsCurrent;
};

// From a stage opened from its file and calculated, one action each: what every listener hears,
// once, and what the session then says of the stage.
class SessionAfter : public testing::TestWithParam<SessionCase> {};

TEST_P(SessionAfter, OneAction) {
    Stage typed;
    typed.Parameters[0] = 100;
    StageSession session;
    session.SetForm([&typed] { return typed; }, [&typed](const Stage& stage) { typed = stage; });
    session.Opened("s.ou", typed, SpreadSettings{});
    session.ShowResult(ResultOf(typed), false, false);
    HeardChanges first, second;
    session.Listen(first);
    session.Listen(second);
    GetParam().act(session, typed);
    EXPECT_EQ(first.heard, GetParam().heard);
    EXPECT_EQ(second.heard, GetParam().heard);
    EXPECT_EQ(session.Modified(), GetParam().modified);
    EXPECT_EQ(session.ResultsCurrent(), GetParam().resultsCurrent);
}

using enum SessionChange;

INSTANTIATE_TEST_SUITE_P(
    Session, SessionAfter,
    testing::Values(SessionCase{"Nothing", [](StageSession&, Stage&) {}, {}, false, true},
                    SessionCase{"AnEdit",
                                [](StageSession&, Stage& typed) { typed.Parameters[0] = 99; },
                                {},
                                true,
                                false},
                    // The graph's mode is not the stage's: the results stay its.
                    SessionCase{"TheLogScaleTicked",
                                [](StageSession&, Stage& typed) { typed.LogScale = true; },
                                {},
                                true,
                                true},
                    SessionCase{"AnEditSaved",
                                [](StageSession& session, Stage& typed) {
                                    typed.Parameters[0] = 99;
                                    session.Saved("t.ou", typed);
                                },
                                {FileSaved},
                                false,
                                false},
                    SessionCase{"ASetting",
                                [](StageSession& session, Stage&) {
                                    SpreadSettings settings;
                                    settings.Trials = 7;
                                    session.SetSettings(settings);
                                },
                                {Settings},
                                true,
                                true},
                    SessionCase{"ResultsCleared",
                                [](StageSession& session, Stage&) { session.ClearResults(); },
                                {ResultsCleared},
                                false,
                                false},
                    SessionCase{
                        "AStageReplaced",
                        [](StageSession& session, Stage&) { session.ReplaceStage(Stage{}); },
                        {StageReplaced},
                        true,
                        false},
                    SessionCase{"ABand",
                                [](StageSession& session, Stage&) {
                                    session.SetBand(std::make_shared<SpreadResult>());
                                },
                                {Band},
                                false,
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

// A listener that changes the session while it hears is heard by the others in turn.
TEST(Session, AChangeMadeWhileHearingIsToldToAll) {
    StageSession session;
    struct ClearsTheBand final : SessionListener {
        explicit ClearsTheBand(StageSession& session) : session(session) {}
        void SessionChanged(SessionChange change) override {
            if (change == ResultsCleared)
                session.SetBand(nullptr);
        }
        StageSession& session;
    } clears{session};
    HeardChanges heard;
    session.Listen(clears);
    session.Listen(heard);
    session.ClearResults();
    EXPECT_EQ(heard.heard, (std::vector{Band, ResultsCleared}));
    session.Forget(heard);
    session.ClearResults();
    EXPECT_EQ(heard.heard.size(), 2u);
}

} // namespace
