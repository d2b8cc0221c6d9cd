#pragma once
// Screen 7820: a spouse on 1 July 2001, widowhood or separation during the year, and a blended
// family; together they decide whether the marital-status table is needed.
#include "interview/Child.h"

class QRadioButton;

namespace ftb::screens {

class TQFTB_06b : public interview::TChildForm {
  public:
    explicit TQFTB_06b(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
    // Copies the separation and blended-family answers into their hidden boxes.
    void RadioClick();
    bool EveryPairAnswered() const;

    QRadioButton* atStartYes_ = nullptr;
    QRadioButton* atStartNo_ = nullptr;
    QRadioButton* separatedYes_ = nullptr;
    QRadioButton* separatedNo_ = nullptr;
    QRadioButton* blendedYes_ = nullptr;
    QRadioButton* blendedNo_ = nullptr;
};

}  // namespace ftb::screens
