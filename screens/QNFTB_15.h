#pragma once
// Screen 7836: whether the claimant cared for another child.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_15 : public interview::TChildForm {
  public:
    explicit TQFTB_15(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);

};

}  // namespace ftb::screens
