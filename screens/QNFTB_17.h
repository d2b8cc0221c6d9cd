#pragma once
// Screen 7856: the non-capitalised maintenance received for the current dependant; leaving it
// finishes the dependant's maintenance questions.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_17 : public interview::TChildForm {
  public:
    explicit TQFTB_17(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    bool TableIsSound() const;
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
};

}  // namespace ftb::screens
