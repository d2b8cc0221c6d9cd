#pragma once
// Screen 7833: the current dependant's changes of circumstance between the first day of the
// claim and 30 June 2002, in a table kept consistent as the claimant types (the rules are the
// assessment's change-table unit); Next routes the dependant by the day test.
#include <string>

#include "assessment/ChangeTable.h"
#include "interview/Child.h"

namespace ftb::controls {
class TXGrid;
}

namespace ftb::screens {

class TQFTB_13_Alternative : public interview::TChildForm {
  public:
    explicit TQFTB_13_Alternative(interview::TScreenContext& context);

    void FormCreate() override;
    void FormShow(QObject* Sender) override;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ChildFormYesNoClick(QObject* Sender);
    void ChildFormClose();
    void XGrid1EnterCell(int Col, int Row);
    void XGrid1ExitCell(int Col, int Row, bool& EnterExitCell);
    void XGrid1PicklistDropdown(int Col, int Row, data::TextList& Picklist);

    // The initial circumstances as the hidden copies of 7832's answers hold them.
    assessment::TInitialCircumstances Initial() const;
    assessment::TChangeTable Table() const;
    // Shows the boxes in order and puts the table into the grid when it changed.
    void Apply(const assessment::TChangeOutcome& outcome);
    void ShowTexts();

    controls::TXGrid* grid_ = nullptr;
    data::Date dayZero_{};
    // The cell last entered and the text it held then.
    int enteredCol_ = -1, enteredRow_ = -1;
    std::string enteredText_;
};

}  // namespace ftb::screens
