#pragma once
// Screen 7824: the periods in which the claimant or a spouse received a blind-rate pension.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_43 : public interview::TChildForm {
  public:
    explicit TQFTB_43(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormClose();
};

}  // namespace ftb::screens
