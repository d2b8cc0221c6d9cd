#pragma once
// Screen 7857: the dependant maintenance questions are finished; No goes over them again from
// the first maintenance-relevant dependant.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_56 : public interview::TChildForm {
  public:
    explicit TQFTB_56(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
