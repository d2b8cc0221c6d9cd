#pragma once
// TQFTB_38, the section and validate-and-complete screen. At the end of each section of the
// interview it says that the section is complete and what comes next, beside the navigator; at
// the end of the interview it runs the completion checks and either declares the claim complete
// (7858) or lists what is still missing (7859), each line leading to the screen that needs it.
// The screen index tells its ten positions apart.
#include <string>
#include <vector>

#include "assessment/Completion.h"
#include "interview/Child.h"

class QListWidget;

namespace ftb::controls {
class TTextLbl;
}

namespace ftb::screens {

class TQFTB_38 : public interview::TChildForm {
  public:
    explicit TQFTB_38(interview::TScreenContext& context);

    // The lines of TextLblIntro, every section of the ten positions.
    static const std::vector<std::string>& IntroLines();

    void FormCreate() override;               // ChildFormCreate
    void FormShow(QObject* Sender) override;  // ChildFormShow

    // The findings of the last completion checks; line n of ListBoxWarnings is warning n.
    const std::vector<assessment::Warning>& Warnings() const { return warnings_; }

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose(QObject* Sender, interview::TCloseAction& Action);
    void ListBoxWarningsClick(QObject* Sender);

    // Runs the completion checks into the warning list and shows them at 59. A complete claim
    // stays at 58; one with findings turns 58 into 59. True when it did so.
    bool CheckCompletion();
    // The text section, help context and hint box of the screen index.
    void ShowPosition();

    controls::TTextLbl* textLblIntro_ = nullptr;
    controls::TTextLbl* textLblYellowBox_ = nullptr;
    QListWidget* listBoxWarnings_ = nullptr;
    std::vector<assessment::Warning> warnings_;
};

}  // namespace ftb::screens
