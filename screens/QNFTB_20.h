#pragma once
// Screen 7847: the periods of non-capitalised spousal maintenance the current individual
// received; Next marks the individual done and goes on to the next one pending.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_20 : public interview::TChildForm {
  public:
    explicit TQFTB_20(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
};

}  // namespace ftb::screens
