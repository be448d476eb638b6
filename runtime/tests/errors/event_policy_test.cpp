#include "runtime/errors/event_policy.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace vortalis {
namespace {

struct Answered {
    std::vector<int> errorNumbers;
    std::vector<int> exitCodes;
    EventPolicy policy{{[this](const RunError& error) { errorNumbers.push_back(error.Number()); },
                        [this](int code) { exitCodes.push_back(code); }}};
};

TEST(EventPolicy, AnUntrappedErrorIsShownOnceAndEndsTheProgramAfterWhichNoEventRuns) {
    Answered answered;
    answered.policy.Run([] { throw RunError(53, "Fichier introuvable"); });
    answered.policy.Run([] { throw std::runtime_error("inattendu"); });
    bool ranAfterTheEnd = false;
    answered.policy.Run([&] { ranAfterTheEnd = true; });

    EXPECT_EQ(answered.errorNumbers, std::vector<int>{53});
    EXPECT_EQ(answered.exitCodes, std::vector<int>{1});
    EXPECT_FALSE(ranAfterTheEnd);
}

TEST(EventPolicy, EventsWaitOutAHoldButAHandlerMayRaiseAnotherEvent) {
    Answered answered;
    std::vector<const char*> ran;
    answered.policy.Run([&] {
        const auto hold = answered.policy.HoldEvents();
        answered.policy.Run([&] { ran.push_back("pendant"); });
    });
    answered.policy.Run([&] {
        ran.push_back("clic");
        answered.policy.Run([&] { ran.push_back("changement"); });
    });

    EXPECT_EQ(ran, (std::vector<const char*>{"clic", "changement"}));
    EXPECT_TRUE(answered.exitCodes.empty());
}

}  // namespace
}  // namespace vortalis
