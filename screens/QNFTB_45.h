#pragma once
// Screen 7851: whether maintenance was received or due for any maintenance-relevant dependant.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_45 : public interview::TChildForm {
  public:
    explicit TQFTB_45(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // No: every maintenance-relevant dependant is done and its answers are cleared after asking;
    // true when the last dependant's answers are empty now.
    bool ClearEveryDependant();
};

}  // namespace ftb::screens
