#include "screens/Registration.h"

#include <memory>

#include "interview/Catalogue.h"
#include "screens/QNFTB_03.h"
#include "screens/QNFTB_05.h"
#include "screens/QNFTB_05a.h"
#include "screens/QNFTB_06.h"
#include "screens/QNFTB_06a.h"
#include "screens/QNFTB_06b.h"
#include "screens/QNFTB_08.h"
#include "screens/QNFTB_09.h"
#include "screens/QNFTB_11.h"
#include "screens/QNFTB_12.h"
#include "screens/QNFTB_13_Alternative.h"
#include "screens/QNFTB_14.h"
#include "screens/QNFTB_15.h"
#include "screens/QNFTB_17.h"
#include "screens/QNFTB_18.h"
#include "screens/QNFTB_19.h"
#include "screens/QNFTB_19a.h"
#include "screens/QNFTB_20.h"
#include "screens/QNFTB_21.h"
#include "screens/QNFTB_27.h"
#include "screens/QNFTB_28.h"
#include "screens/QNFTB_30.h"
#include "screens/QNFTB_31.h"
#include "screens/QNFTB_32.h"
#include "screens/QNFTB_33.h"
#include "screens/QNFTB_34.h"
#include "screens/QNFTB_35.h"
#include "screens/QNFTB_36.h"
#include "screens/QNFTB_37.h"
#include "screens/QNFTB_38.h"
#include "screens/QNFTB_39.h"
#include "screens/QNFTB_40.h"
#include "screens/QNFTB_41.h"
#include "screens/QNFTB_42.h"
#include "screens/QNFTB_43.h"
#include "screens/QNFTB_45.h"
#include "screens/QNFTB_46.h"
#include "screens/QNFTB_47.h"
#include "screens/QNFTB_48.h"
#include "screens/QNFTB_49.h"
#include "screens/QNFTB_51.h"
#include "screens/QNFTB_56.h"
#include "screens/QNFTB_57.h"
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
        {"TQFTB_36", Make<TQFTB_36>},
        {"TQFTB_37", Make<TQFTB_37>},
        {"TQFTB_21", Make<TQFTB_21>},
        {"TQFTB_05", Make<TQFTB_05>},
        {"TQFTB_28", Make<TQFTB_28>},
        {"TQFTB_41", Make<TQFTB_41>},
        {"TQFTB_09", Make<TQFTB_09>},
        {"TQFTB_39", Make<TQFTB_39>},
        {"TQFTB_40", Make<TQFTB_40>},
        {"TQFTB_11", Make<TQFTB_11>},
        {"TQFTB_12", Make<TQFTB_12>},
        {"TQFTB_49", Make<TQFTB_49>},
        {"TQFTB_35", Make<TQFTB_35>},
        {"TQFTB_14", Make<TQFTB_14>},
        {"TQFTB_15", Make<TQFTB_15>},
        {"TQFTB_05a", Make<TQFTB_05a>},
        {"TQFTB_06", Make<TQFTB_06>},
        {"TQFTB_06a", Make<TQFTB_06a>},
        {"TQFTB_06b", Make<TQFTB_06b>},
        {"TQFTB_08", Make<TQFTB_08>},
        {"TQFTB_42", Make<TQFTB_42>},
        {"TQFTB_43", Make<TQFTB_43>},
        {"TQFTB_58", Make<TQFTB_58>},
        {"TQFTB_13_Alternative", Make<TQFTB_13_Alternative>},
        {"TQFTB_33", Make<TQFTB_33>},
        {"TQFTB_32", Make<TQFTB_32>},
        {"TQFTB_34", Make<TQFTB_34>},
        {"TQFTB_47", Make<TQFTB_47>},
        {"TQFTB_48", Make<TQFTB_48>},
        {"TQFTB_30", Make<TQFTB_30>},
        {"TQFTB_19a", Make<TQFTB_19a>},
        {"TQFTB_20", Make<TQFTB_20>},
        {"TQFTB_57", Make<TQFTB_57>},
        {"TQFTB_45", Make<TQFTB_45>},
        {"TQFTB_19", Make<TQFTB_19>},
        {"TQFTB_31", Make<TQFTB_31>},
        {"TQFTB_18", Make<TQFTB_18>},
        {"TQFTB_17", Make<TQFTB_17>},
        {"TQFTB_46", Make<TQFTB_46>},
        {"TQFTB_56", Make<TQFTB_56>},
    };
    for (const TScreenClass& screenClass : classes)
        registry.Register(screenClass.name, screenClass.factory);
}

}  // namespace ftb::screens
