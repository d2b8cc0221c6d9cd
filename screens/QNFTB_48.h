#pragma once
// Screen 7844: whether one individual ("You" or a spouse) received spousal maintenance. Once no
// one is pending, the frame's select panel lets the claimant go over any individual again.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_48 : public interview::TChildForm {
  public:
    explicit TQFTB_48(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    // The label names the current individual, whose worksheet is open when it is a spouse.
    void SetUpIndividual();
    void ShowIndividualsPanel();
    void ListBoxFFSClick(QObject* Sender);
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
