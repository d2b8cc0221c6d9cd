#pragma once
// Screen 7814: the claimant's periods overseas.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_28 : public interview::TChildForm {
  public:
    explicit TQFTB_28(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void BtnNextClick();
    void FormLeaveCheck();
};

}  // namespace ftb::screens
