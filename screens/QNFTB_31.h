#pragma once
// Screen 7854: whether capitalised maintenance was received for the current dependant.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_31 : public interview::TChildForm {
  public:
    explicit TQFTB_31(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // No: the dependant's capitalised maintenance is cleared after asking; true when it is empty.
    bool ClearCapitalised();
};

}  // namespace ftb::screens
