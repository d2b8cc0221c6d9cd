#pragma once
// Screen 7808: what the interview will ask for, and whether to go on with it now.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_27 : public interview::TChildForm {
  public:
    explicit TQFTB_27(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
