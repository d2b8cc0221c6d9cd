#pragma once
// Screen 7806: whether the claimant and the children meet the basic FTB eligibility criteria.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_01 : public interview::TChildForm {
  public:
    explicit TQFTB_01(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
