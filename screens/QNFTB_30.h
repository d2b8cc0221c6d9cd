#pragma once
// Screen 7845: whether the current individual received capitalised maintenance in lieu of
// spousal maintenance.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_30 : public interview::TChildForm {
  public:
    explicit TQFTB_30(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // No: the individual's capitalised table is cleared after asking; false when it was kept.
    bool ClearCapitalised();
};

}  // namespace ftb::screens
