// The navigator tree beside the section screens: the sections of the claim the user has reached,
// each leading to the first screen of its section, and a last line while the claim is not
// complete. The same tree lists the worksheet names while a worksheet list is open.
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdint>

#include "assessment/Completion.h"
#include "assessment/FamilyTests.h"
#include "interview/Intrview.h"
#include "platform/QtText.h"

namespace ftb::interview {

namespace {

constexpr int kNowhere = -1;
constexpr int kSectionBase = kFtbScreenGroup * 100;

int ScreenNumberOf(const QTreeWidgetItem& node) { return node.data(0, Qt::UserRole).toInt(); }

void AppendNode(QTreeWidget& tree, std::string_view text, int screenNumber) {
    auto* node = new QTreeWidgetItem(&tree);
    node->setText(0, platform::FromWin1252(text));
    node->setData(0, Qt::UserRole, screenNumber);
}

// The sections reached so far, in interview order; false when the build stopped at a section
// that is not complete.
bool AddReachedSections(TFrameWnd& frame, const data::FieldStore& store,
                        platform::Dialogs& dialogs) {
    const int spouses = store.HighestWorksheetNumber(data::kSpouseList);
    frame.AddNode("Start of FTB", 4);
    if (!frame.AddNodeIfAnswered(1268, "Your residency", 9)) return false;
    if (!frame.AddNodeIfAnswered(1268, "FAO periods", 11)) return false;
    if (!frame.AddNodeIfAnswered(1246, "Your details", 13)) return false;
    if (!frame.AddNodeIfAnswered(1269, "Spouse / former spouse(s)", 18)) return false;
    if (spouses > 0) frame.AddNode("Marital status / agreed %", spouses >= 2 ? 21 : 20);
    if (!store.FieldChecked(1290) && !store.FieldChecked(1299)) return false;
    frame.AddNode("Special circumstances", 23);
    if (store.GetFieldText(1271) != "1" && store.GetFieldText(1269) != "0") return false;
    if (!store.FieldChecked(1283)) return false;
    frame.AddNode("Dependant details", 27);
    if (store.GetFieldLst(1264) || store.FieldChecked(1265))
        frame.AddNode("List of maintenance payers", 39);
    std::int32_t pending = -1;
    if (!assessment::SpousalMaintenanceDone(store, true, pending)) return false;
    frame.AddNode("Spousal maintenance", 43);
    // A dependant still pending adds no node, and the sections after it are still listed.
    if (assessment::DependantMaintenanceDone(store, dialogs, pending)) {
        data::TextList relevant;
        assessment::MaintenanceRelevantDependants(store, dialogs, relevant);
        frame.AddNode("Dependant maintenance", relevant.empty() ? 50 : 51);
    }
    frame.AddNode("Validate and complete", 58);
    return true;
}

}  // namespace

void TFrameWnd::BuildNavigator() {
    navigatorTitle_->setText(platform::FromWin1252(kNavigatorTitle));
    navigator_->clear();
    if (!AddReachedSections(*this, store_, dialogs_))
        AddNode("FTB claim is not complete", kNowhere);
    navigator_->viewport()->update();
}

void TFrameWnd::AddNode(std::string_view text, int screenIndex) {
    AppendNode(*navigator_, text, screenIndex == kNowhere ? kNowhere : kSectionBase + screenIndex);
}

bool TFrameWnd::AddNodeIfAnswered(int field, std::string_view text, int screenIndex) {
    if (store_.GetFieldText(field).empty()) return false;
    AddNode(text, screenIndex);
    return true;
}

void TFrameWnd::SynchroniseNavigator(int currentScreen) {
    const QList<QTreeWidgetItem*> selection = navigator_->selectedItems();
    QTreeWidgetItem* const wasSelected = selection.isEmpty() ? nullptr : selection.front();
    navigator_->clearSelection();

    int best = 0;
    QTreeWidgetItem* bestNode = nullptr;
    for (QTreeWidgetItemIterator it(navigator_); *it; ++it) {
        const int number = ScreenNumberOf(**it);
        if (number == kNowhere || number > currentScreen) continue;
        // Once a node of the screen itself is found, only the node selected before replaces it.
        if (best < currentScreen || (number == currentScreen && *it == wasSelected)) {
            best = number;
            bestNode = *it;
        }
    }
    if (bestNode && best / 100 == currentScreen / 100) navigator_->setCurrentItem(bestNode);

    const QList<QTreeWidgetItem*> selected = navigator_->selectedItems();
    if (selected.isEmpty()) return;
    QTreeWidgetItem* const node = selected.front();
    for (QTreeWidgetItemIterator it(navigator_); *it; ++it)
        if ((*it)->isExpanded() && (*it)->parent() != node->parent()) (*it)->setExpanded(false);
    node->setExpanded(true);
}

void TFrameWnd::FillNavigatorWithNames(int selectedLine) {
    navigatorTitle_->setText(platform::FromWin1252(kWorksheetsTitle));
    navigator_->clear();
    if (worksheetNames_)
        for (const std::string& name : *worksheetNames_) AppendNode(*navigator_, name, kNowhere);
    if (QTreeWidgetItem* node = navigator_->topLevelItem(selectedLine))
        navigator_->setCurrentItem(node);
    navigator_->viewport()->update();
}

void TFrameWnd::ShowNavigator(bool show) {
    navigatorPanel_->setVisible(show);
    if (show) navigatorPanel_->raise();
}

bool TFrameWnd::NavigatorVisible() const { return !navigatorPanel_->isHidden(); }

void TFrameWnd::NavigatorNodeClick(QTreeWidgetItem* node) {
    if (!node) return;
    if (navigatorTitle_->text() == platform::FromWin1252(kWorksheetsTitle)) {
        WorksheetNodeClick(navigator_->indexOfTopLevelItem(node));
        return;
    }
    navigator_->setCurrentItem(node);
    const int number = ScreenNumberOf(*node);
    if (number == kNowhere) {
        dialogs_.Plain("", platform::ToWin1252(node->text(0)));
        navigator_->viewport()->update();
        return;
    }
    run_.ScreenIndex = number % 100;
    run_.ScreenGroup = number / 100;
    if (run_.ListClick) run_.ListClick(this);
    LoadScreen();
}

}  // namespace ftb::interview
