#pragma once
// Screen 7840: the claimant listed no payer; Yes confirms that no one in the family received
// maintenance, No returns to the list of payers.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_34 : public interview::TChildForm {
  public:
    explicit TQFTB_34(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
