#include "screens/Registration.h"

#include <memory>

#include "interview/Catalogue.h"
#include "screens/QNFTB_03.h"
#include "screens/QNFTB_05a.h"
#include "screens/QNFTB_06.h"
#include "screens/QNFTB_06a.h"
#include "screens/QNFTB_06b.h"
#include "screens/QNFTB_08.h"
#include "screens/QNFTB_27.h"
#include "screens/QNFTB_38.h"
#include "screens/QNFTB_42.h"
#include "screens/QNFTB_43.h"
#include "screens/QNFTB_51.h"
#include "screens/QNFTB_58.h"
#include "screens/QnFTB_01.h"
#include "screens/QnFTB_02.h"

namespace ftb::screens {

namespace {

template <typename Screen>
std::unique_ptr<interview::TChildForm> Make(interview::TScreenContext& context) {
    return std::make_unique<Screen>(context);
}

struct TScreenClass {
    const char* name;
    interview::TScreenFactory factory;
};

}  // namespace

void RegisterScreens(interview::TScreenRegistry& registry) {
    const TScreenClass classes[] = {
        {"TQFTB_01", Make<TQFTB_01>}, {"TQFTB_02", Make<TQFTB_02>}, {"TQFTB_03", Make<TQFTB_03>},
        {"TQFTB_27", Make<TQFTB_27>}, {"TQFTB_38", Make<TQFTB_38>}, {"TQFTB_51", Make<TQFTB_51>},
        {"TQFTB_05a", Make<TQFTB_05a>},
        {"TQFTB_06", Make<TQFTB_06>},
        {"TQFTB_06a", Make<TQFTB_06a>},
        {"TQFTB_06b", Make<TQFTB_06b>},
        {"TQFTB_08", Make<TQFTB_08>},
        {"TQFTB_42", Make<TQFTB_42>},
        {"TQFTB_43", Make<TQFTB_43>},
        {"TQFTB_58", Make<TQFTB_58>},
    };
    for (const TScreenClass& screenClass : classes)
        registry.Register(screenClass.name, screenClass.factory);
}

}  // namespace ftb::screens
