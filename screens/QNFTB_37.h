#pragma once
// Screen 7810: the claimant's residency status through the income year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_37 : public interview::TChildForm {
  public:
    explicit TQFTB_37(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void BtnNextClick();
    // Keeps the claimant on the screen: the move to the next screen is refused by the leave check.
    void Stay();
    // The claim ends: once the FTB answers are cleared, the claimant is recorded as never
    // resident and the interview leaves FTB. False when the claimant kept the answers.
    bool LeaveAsNotResident();
};

}  // namespace ftb::screens
