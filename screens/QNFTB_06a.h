#pragma once
// Screen 7819: whether the claimant had another spouse during the income year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_06a : public interview::TChildForm {
  public:
    explicit TQFTB_06a(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
