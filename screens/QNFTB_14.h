#pragma once
// Screen 7835: whether the child is from a single or a multiple birth (field 1136).
#include "interview/Child.h"

namespace ftb::screens {

class TQFTB_14 : public interview::TChildForm {
  public:
    explicit TQFTB_14(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChooseBirth(int births);
};

}  // namespace ftb::screens
