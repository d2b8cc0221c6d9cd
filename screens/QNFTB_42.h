#pragma once
// Screen 7823: whether the claimant or a spouse received a blind-rate pension during the year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_42 : public interview::TChildForm {
  public:
    explicit TQFTB_42(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
