#pragma once
// Screen 7805: whether the FTB for the whole year is already claimed another way, which leaves
// nothing to claim through the tax return.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_02 : public interview::TChildForm {
  public:
    explicit TQFTB_02(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
