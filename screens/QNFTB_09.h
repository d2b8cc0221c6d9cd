#pragma once
// Screen 7827: a dependant's details (name, sex, date of birth, full-time study, travel
// overseas), one dependant worksheet each, with the worksheet panel to pick, add or delete one.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_09 : public interview::TChildForm {
  public:
    explicit TQFTB_09(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
    // Field 710 from the name and date of birth.
    void UpdateDisplayName();
    // The required answers and the date-of-birth limit; with show, the first failure is shown.
    void CheckRequiredAnswers(bool show);
    // The same date of birth as a stored spouse: the claimant confirms it or stays.
    void CheckSpouseBirthDates();
};

}  // namespace ftb::screens
