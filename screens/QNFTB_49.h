#pragma once
// Screen 7832: the state of the current dependant at the end of the first day of the claim
// (1 July 2001, or the day of birth): five Yes/No circumstances and the care status with the
// shared care percentage, with the way to the shared care calculator 7834.
#include <functional>
#include <string>

#include "interview/Child.h"

class QRadioButton;

namespace ftb::screens {

class TQFTB_49 : public interview::TChildForm {
  public:
    explicit TQFTB_49(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
    void CheckAbsenceDate();
    // Field of a Yes/No pair := 2 for Yes, 1 for No.
    void Answer(const char* field, int value);
    // The pair shows its field: 2 Yes, 1 No, anything else neither.
    void ShowAnswer(const char* field, const char* yes, const char* no);
    // The absence date can be entered only while the dependant was absent without consent.
    void ApplyAbsenceDate();
    // The care button that the percentage field's text stands for: "100" full care, "0" not in
    // care, any other text shared care; when the screen is shown, an empty field selects none.
    void ShowCareStatus(bool shown);
    // The press handler that shows the note (none for pnNone, a TPressNote).
    std::function<void(QObject*)> PressNote(int note);
    void PressPrescribedEducation();
    void PressSharedCare();
    void BtnCalculateClick();
};

}  // namespace ftb::screens
