#pragma once
// Screen 7855: the capitalised maintenance received for the current dependant.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_18 : public interview::TChildForm {
  public:
    explicit TQFTB_18(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
