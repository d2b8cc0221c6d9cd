#pragma once
// Screen 7809: whether the claimant was an Australian resident for the whole income year.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_36 : public interview::TChildForm {
  public:
    explicit TQFTB_36(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // Records the answer in the hidden field as typing "1" or "0" would.
    void SetAnswered(bool wholeYear);
};

}  // namespace ftb::screens
