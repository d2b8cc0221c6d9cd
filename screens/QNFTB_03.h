#pragma once
// Screen 7807: whether the claimant should claim through the Family Assistance Office instead.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_03 : public interview::TChildForm {
  public:
    explicit TQFTB_03(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
