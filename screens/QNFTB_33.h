#pragma once
// Screens 7838, 7841 and 7850: the maintenance information that is not needed, each showing the
// section of its number and moving on to its own next screen.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_33 : public interview::TChildForm {
  public:
    explicit TQFTB_33(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
