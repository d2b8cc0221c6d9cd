// The explorer's routes: every keyed choice is taken once, the other fresh choices at a decision
// point become routes of their own that run depth first, and a run replays its route.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "tools/ftb-host/Routes.h"

namespace ftb::host {
namespace {

std::vector<QString> Keys(std::initializer_list<const char*> names) {
    std::vector<QString> keys;
    for (const char* name : names) keys.push_back(QLatin1String(name));
    return keys;
}

// A small interview: screen A offers a1 and a2, both lead to screen B (b1, b2); b1 after a1
// leads to screen C (c1, c2). Returns the choices of each run, as names.
std::vector<std::vector<QString>> Explore(int preferred) {
    Routes routes;
    std::vector<std::vector<QString>> runs;
    while (routes.Next()) {
        std::vector<QString> run;
        const auto a = Keys({"A a1", "A a2"});
        run.push_back(a[static_cast<std::size_t>(routes.Decide(a, preferred))]);
        const auto b = Keys({"B b1", "B b2"});
        run.push_back(b[static_cast<std::size_t>(routes.Decide(b, preferred))]);
        if (run[0] == QLatin1String("A a1") && run[1] == QLatin1String("B b1")) {
            const auto c = Keys({"C c1", "C c2"});
            run.push_back(c[static_cast<std::size_t>(routes.Decide(c, preferred))]);
        }
        runs.push_back(run);
    }
    return runs;
}

TEST(FtbHostRoutes, EveryChoiceIsTakenOnceAndTheOthersRunDepthFirst) {
    const std::vector<std::vector<QString>> runs = Explore(0);
    const std::vector<std::vector<QString>> expected = {
        {QStringLiteral("A a1"), QStringLiteral("B b1"), QStringLiteral("C c1")},
        // The choice queued last, at the deepest point, runs first.
        {QStringLiteral("A a1"), QStringLiteral("B b1"), QStringLiteral("C c2")},
        {QStringLiteral("A a1"), QStringLiteral("B b2")},
        // B's choices were all taken: the preferred one, with no route of its own.
        {QStringLiteral("A a2"), QStringLiteral("B b1")},
    };
    EXPECT_EQ(runs, expected) << runs.size() << " runs";
}

TEST(FtbHostRoutes, WhereEveryChoiceWasTakenThePreferredOneIsTaken) {
    const std::vector<std::vector<QString>> runs = Explore(1);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[3], (std::vector<QString>{QStringLiteral("A a2"), QStringLiteral("B b2")}));
}

TEST(FtbHostRoutes, AReplayedChoiceStaysAmongTheChoicesThereAre) {
    Routes routes;
    ASSERT_TRUE(routes.Next());
    routes.Decide(Keys({"A a1", "A a2", "A a3"}), 0);
    ASSERT_TRUE(routes.Next());  // the first of the others, a2
    EXPECT_EQ(routes.Decide(Keys({"A a1", "A a2", "A a3"}), 0), 1);
    ASSERT_TRUE(routes.Next());
    // The screen now offers fewer choices than when the route was queued.
    EXPECT_EQ(routes.Decide(Keys({"A a1", "A a2"}), 0), 1);
    EXPECT_FALSE(routes.Next());
}

}  // namespace
}  // namespace ftb::host
