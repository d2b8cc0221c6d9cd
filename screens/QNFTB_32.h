#pragma once
// Screen 7839: the list of everyone who paid maintenance to the claimant, a spouse or a
// dependant whose maintenance may affect the claim.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_32 : public interview::TChildForm {
  public:
    explicit TQFTB_32(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void XGrid1KeyDown(int& Key);
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
