// The help file shipped with the module has a topic for every context the screens show.
#include <gtest/gtest.h>

#include "platform/HelpFile.h"

namespace ftb::platform {
namespace {

TEST(ShippedHelpFile, HasATitledTopicForEveryScreenAndStepContext) {
    HelpFile file = HelpFile::Load(FTB_SOURCE_DIR "/help/FTB2002.HLP");
    // The screens' help contexts and the steps of the overview screen.
    const int contexts[] = {504, 506, 511, 522, 523, 524, 525, 529, 530, 539, 542, 544, 545,
                            546, 550, 552, 555, 557, 569, 570, 571, 573, 574, 575, 576, 577,
                            579, 581, 582, 583, 584, 585};
    for (int context : contexts) {
        const HelpTopic* topic = file.Find(context);
        ASSERT_NE(topic, nullptr) << context;
        EXPECT_FALSE(topic->title.empty()) << context;
    }
}

}  // namespace
}  // namespace ftb::platform
