#pragma once
// Screen 7803: the overview of the nine steps of the FTB claim, each a link to its help topic.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_51 : public interview::TChildForm {
  public:
    explicit TQFTB_51(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
};

}  // namespace ftb::screens
