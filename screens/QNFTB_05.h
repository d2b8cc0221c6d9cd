#pragma once
// Screen 7813: the claimant's income that the tax return does not hold, and travel overseas.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_05 : public interview::TChildForm {
  public:
    explicit TQFTB_05(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void BtnNextClick();
    void FormLeaveCheck();
    // The required answers, from the controls; with show the first missing one is reported and
    // becomes the verdict.
    bool AnswersGiven(bool show);
};

}  // namespace ftb::screens
