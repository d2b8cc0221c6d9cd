#pragma once
// Screen 7828: the periods a dependant spent overseas since 1 July 1998.
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_39 : public interview::TChildForm {
  public:
    explicit TQFTB_39(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
};

}  // namespace ftb::screens
