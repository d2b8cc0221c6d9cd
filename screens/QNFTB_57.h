#pragma once
// Screen 7848: the spousal maintenance questions are finished; No goes over them again from
// "You".
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_57 : public interview::TChildForm {
  public:
    explicit TQFTB_57(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
