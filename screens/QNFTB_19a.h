#pragma once
// Screen 7846: the capitalised maintenance the current individual received in lieu of spousal
// maintenance.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_19a : public interview::TChildForm {
  public:
    explicit TQFTB_19a(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;
};

}  // namespace ftb::screens
