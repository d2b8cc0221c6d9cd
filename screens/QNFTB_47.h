#pragma once
// Screen 7843: whether the claimant or any spouse received spousal maintenance in the year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_47 : public interview::TChildForm {
  public:
    explicit TQFTB_47(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // No: every individual is done and their tables are cleared after asking; false when the
    // claimant kept any of them.
    bool ClearEveryIndividual();
};

}  // namespace ftb::screens
