#pragma once
// Screen 7853: the maintenance action test of the current dependant: who was entitled to apply
// for maintenance, from when, when action was first taken, or why none had to be.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_19 : public interview::TChildForm {
  public:
    explicit TQFTB_19(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ShowColumnHint(int Col, int Row);
    // The leave check: the table's checks, then where the questions go on.
    void ChildFormClose();
    bool ActionsAfterEntitlement() const;
};

}  // namespace ftb::screens
