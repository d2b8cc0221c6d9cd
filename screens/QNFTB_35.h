#pragma once
// Screen 7834: the shared care calculator, reached from 7832. It works out the claimant's share
// of the nights in an assessment period and offers it as the initial shared care percentage.
#include <optional>

#include "interview/Child.h"

namespace ftb::screens {

// The share of nights as a whole percentage, halves to the even neighbour; nothing when either
// count is not above 0.
std::optional<int> SharedCarePercentage(int nightsInCare, int totalNights);

class TQFTB_35 : public interview::TChildForm {
  public:
    explicit TQFTB_35(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void BtnCalculateClick();
    void ResetResult();
};

}  // namespace ftb::screens
