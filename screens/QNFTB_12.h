#pragma once
// Screen 7831: the dependant does not qualify for FTB, and why (field 1292).
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_12 : public interview::TChildForm {
  public:
    explicit TQFTB_12(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);

};

}  // namespace ftb::screens
