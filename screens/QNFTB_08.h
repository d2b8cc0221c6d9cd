#pragma once
// Screen 7821: the claimant's marital status, period by period over the whole income year, with
// any agreed percentage of FTB split with a spouse.
#include "interview/Child.h"

namespace ftb::controls {
class TTextLbl;
class TXGrid;
}  // namespace ftb::controls

namespace ftb::screens {

class TQFTB_08 : public interview::TChildForm {
  public:
    explicit TQFTB_08(interview::TScreenContext& context);

    void FormShow(QObject* Sender) override;

  private:
    void XGrid1EnterCell(int Col, int Row);
    void XGrid1ExitCell(int Col, int Row);
    void ChildFormClose();

    controls::TXGrid* grid_ = nullptr;
    controls::TTextLbl* hintBox_ = nullptr;
};

}  // namespace ftb::screens
