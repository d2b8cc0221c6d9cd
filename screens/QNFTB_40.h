#pragma once
// Screen 7829: whether a dependant's open-ended departure overseas was a permanent departure.
#include <string>

#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_40 : public interview::TChildForm {
  public:
    explicit TQFTB_40(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);

    std::string departure_;  // as stored in the dependant's table
};

}  // namespace ftb::screens
