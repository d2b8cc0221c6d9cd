#pragma once
// Screen 7852: whether maintenance was received or due for one maintenance-relevant dependant.
// Once no dependant is pending, the frame's select panel lets the claimant go over any of them
// again.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_46 : public interview::TChildForm {
  public:
    explicit TQFTB_46(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    // The label names the current dependant, whose worksheet is open.
    void SetUpDependant(const char* caption);
    void ShowDependantsPanel();
    void SelectCurrentInPanel();
    void ListBoxFFSClick(QObject* Sender);
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
