#pragma once
// Screen 7818: the details of one spouse (a worksheet of list 19): names, date of birth, sex,
// tax file number or its exemption, date of death, income and postal address. The worksheet
// panel lets the claimant pick, add or delete spouses.
#include <string>

#include "interview/Child.h"

class QCheckBox;

namespace ftb::controls {
class TCustomNumEdit;
}

namespace ftb::screens {

class TQFTB_06 : public interview::TChildForm {
  public:
    explicit TQFTB_06(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  private:
    // The display name (field 710) from the names and the TFN or its exemption.
    void CalculateName();
    void ChildFormClose();
    // The leave check's tests after the TFN test: required answers, then the dates.
    void CheckAnswers();
    std::string TrimmedTfn() const;

    controls::TCustomNumEdit* family_ = nullptr;
    controls::TCustomNumEdit* given_ = nullptr;
    controls::TCustomNumEdit* other_ = nullptr;
    controls::TCustomNumEdit* tfn_ = nullptr;
    controls::TCustomNumEdit* calcedName_ = nullptr;
    QCheckBox* exemption_ = nullptr;
};

}  // namespace ftb::screens
