#pragma once
// Screen 7811: the periods in which FTB was or will be paid directly by the FAO.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_21 : public interview::TChildForm {
  public:
    explicit TQFTB_21(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void FormLeaveCheck();
};

}  // namespace ftb::screens
