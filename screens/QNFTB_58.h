#pragma once
// Screen 7825: how a claimant may waive FTB in favour of the other parent.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_58 : public interview::TChildForm {
  public:
    explicit TQFTB_58(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
