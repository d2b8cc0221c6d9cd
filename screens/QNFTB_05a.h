#pragma once
// Screen 7817: whether the claimant had a spouse at any time during the income year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_05a : public interview::TChildForm {
  public:
    explicit TQFTB_05a(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
