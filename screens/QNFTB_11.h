#pragma once
// Screen 7830: the income of a dependant whose age makes it count.
#include "interview/Child.h"

namespace ftb::controls {
class TTaxEdit;
}

namespace ftb::screens {

class TQFTB_11 : public interview::TChildForm {
  public:
    explicit TQFTB_11(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
    // The first empty amount field, or null when every amount is entered.
    controls::TTaxEdit* FirstEmptyAmount() const;
};

}  // namespace ftb::screens
