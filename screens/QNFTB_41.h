#pragma once
// Screen 7815: whether the claimant's open-ended departure was permanent.
#include <string>

#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_41 : public interview::TChildForm {
  public:
    explicit TQFTB_41(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    // The departure asked about, as stored.
    std::string departure_;
};

}  // namespace ftb::screens
