#include "screens/MaintenancePanel.h"

#include <QListWidget>

#include "interview/Intrview.h"
#include "platform/QtText.h"

namespace ftb::screens {

namespace {

const char* const kDeleteRefusal =
    "You can not delete maintenance worksheets from this panel, to delete a worksheet select "
    "\"No\" for \"Received or Entitled to Maintenance\"";
const char* const kAddRefusal =
    "You can not add maintenance worksheets from this panel, to add a worksheet select \"Yes\" "
    "for \"Received or Entitled to Maintenance\". Maintenance information is not required for "
    "dependants not listed in the grid.";

}  // namespace

void ShowMaintenancePanel(interview::TChildForm& screen, const data::TextList& entries) {
    QListWidget* list = screen.Frame().ListBoxFFS();
    list->clear();
    for (const std::string& entry : entries) list->addItem(platform::FromWin1252(entry));
    list->addItem(platform::FromWin1252(std::string(interview::kCreateNewWorksheet)));
    screen.Frame().ShowSelectPanel("PanelFreeFormSelect");
    // The panel offers no way to add or delete a worksheet; what it says to either is kept
    // with it.
    QWidget* panel = screen.Frame().PanelFreeFormSelect();
    panel->setProperty("DeleteRefusal", platform::FromWin1252(kDeleteRefusal));
    panel->setProperty("AddRefusal", platform::FromWin1252(kAddRefusal));
}

}  // namespace ftb::screens
