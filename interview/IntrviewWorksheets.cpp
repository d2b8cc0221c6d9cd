// Worksheet mode of the interview frame: the screen of one spouse or dependant edits the
// per-worksheet fields, into which the record being worked on is unpacked, and the worksheet
// panel lists the records by name so the user can switch between them, add one or delete one.
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <string>

#include "assessment/Integrity.h"
#include "controls/TaxEdit.h"
#include "controls/Textlbl.h"
#include "data/Errors.h"
#include "interview/Intrview.h"
#include "interview/ScreenHelpers.h"
#include "platform/QtText.h"

namespace ftb::interview {

namespace {

using data::FieldStore;
using data::WorksheetList;

const char kDeleteQuestion[] = "Are you sure you want to delete the selected worksheet?";
// A worksheet packed without a name is called this, followed directly by its number.
const char kUnnamedWorksheet[] = "Worksheet No.";

TChildForm* ShownScreen(const TFrameWnd& frame, const TRunState& run) {
    return run.ScreenShown ? frame.Screen() : nullptr;
}

// The name a worksheet entry of field 710 holds: its text, empty when it is no text.
std::string EntryText(const data::Slot& slot) {
    if (slot.kind == data::fkLongText) return slot.longText ? *slot.longText : std::string();
    if (slot.kind != data::fkShortText) return {};
    const std::size_t length = std::min<std::size_t>(slot.payload[0], slot.payload.size() - 1);
    return {reinterpret_cast<const char*>(slot.payload.data() + 1), length};
}

// Removes every entry of worksheet k; returns where the first of them stood (the end of the list
// when there was none).
std::size_t RemoveWorksheetEntries(WorksheetList& list, int k) {
    const auto isOfK = [k](const data::WorksheetEntry& entry) { return entry.worksheet == k; };
    const auto first = std::find_if(list.begin(), list.end(), isOfK);
    const auto position = static_cast<std::size_t>(first - list.begin());
    list.erase(std::remove_if(first, list.end(), isOfK), list.end());
    return position;
}

// The worksheets after k move up by one number.
void RenumberAfter(WorksheetList& list, int k) {
    for (data::WorksheetEntry& entry : list)
        if (entry.worksheet > k) --entry.worksheet;
}

void NameIfUnnamed(FieldStore& store, int k) {
    if (store.GetFieldText(710).empty())
        store.SetFieldStr(710, kUnnamedWorksheet + std::to_string(k));
}

void ShowLines(QListWidget& pickList, const data::TextList& lines) {
    for (const std::string& line : lines) pickList.addItem(platform::FromWin1252(line));
}

// Opening a list: the worksheets' values stay in their entries while the per-worksheet fields
// start empty; `k` 0 opens it at a new worksheet after the stored ones.
void OpenList(TFrameWnd& frame, FieldStore& store, int n, int k) {
    store.SetCurrentWorksheetList(n);
    store.ResetPerWorksheetFields();
    store.OpenWorksheetList(n);
    store.SetCurrentWorksheet(k);
    frame.BuildWorksheetNames();
    frame.SelectWorksheet(k > 0 ? k : static_cast<int>(frame.WorksheetNames()->size()));
    frame.RefreshPickList();
    frame.FillNavigatorWithNames(frame.SelectedWorksheet() - 1);
}

}  // namespace

void TFrameWnd::OpenWorksheetList(int n) { OpenList(*this, store_, n, 0); }

void TFrameWnd::OpenWorksheetListAt(int n, int k) { OpenList(*this, store_, n, k); }

void TFrameWnd::SelectWorksheet(int k) {
    store_.LoadWorksheet(store_.CurrentWorksheetList(), k);
    if (TChildForm* screen = ShownScreen(*this, run_)) {
        LoadFieldsToScreen();
        screen->FormShow(this);
    }
    store_.SetCurrentWorksheet(k);
}

bool TFrameWnd::WorksheetIsEmpty() const {
    bool showsName = false;
    if (const TChildForm* screen = ShownScreen(*this, run_)) {
        for (const QObject* component : screen->Components()) {
            const auto* edit = qobject_cast<const controls::TCustomNumEdit*>(component);
            if (!edit) continue;
            if (!EditIsEmpty(*edit)) return false;
            showsName = showsName || TagOf(edit) == 710;
        }
    }
    // A screen with the record's name judges the record by its entry fields: emptying them drops
    // it. Any other screen drops it only when it holds nothing at all, so that leaving a screen
    // of the record before answering it never loses what its other screens recorded.
    if (showsName) return true;
    for (int field = 710; field <= 1200; ++field)
        if (FieldStore::IsPerWorksheetField(field) && !store_.GetFieldText(field).empty())
            return false;
    return true;
}

void TFrameWnd::InsertWorksheetEntries(int k, std::size_t position) {
    if (k < 0 || k > 65535) throw ERangeError("Range check error");
    WorksheetList* list = store_.GetWorksheetList(store_.CurrentWorksheetList());
    if (!list) return;
    // Each entry goes in front of the one inserted before it: the block stands in descending
    // field order.
    WorksheetList block;
    for (int field = 1200; field >= 710; --field) {
        if (!FieldStore::IsPerWorksheetField(field) || store_.GetFieldText(field).empty())
            continue;
        block.push_back({static_cast<std::uint16_t>(k), field, store_.SlotOf(field)});
    }
    list->insert(list->begin() + static_cast<std::ptrdiff_t>(std::min(position, list->size())),
                 block.begin(), block.end());
}

void TFrameWnd::SaveCurrentWorksheet() {
    const int n = store_.CurrentWorksheetList();
    const int k = store_.CurrentWorksheet();
    WorksheetList* list = store_.GetWorksheetList(n);
    if (n == 0 || !list || k <= 0) return;
    const std::size_t position = RemoveWorksheetEntries(*list, k);
    if (WorksheetIsEmpty()) {
        RenumberAfter(*list, k);
        // Number k now belongs to the next record; the emptied fields stand for a new worksheet,
        // so packing them again cannot drop that record too.
        store_.SetCurrentWorksheet(store_.HighestWorksheetNumber(n) + 1);
        return;
    }
    SaveScreenToFields();
    NameIfUnnamed(store_, k);
    InsertWorksheetEntries(k, position);
}

bool TFrameWnd::SaveShownWorksheet() {
    if (!ShownScreen(*this, run_)) return false;
    const bool dropped = WorksheetIsEmpty();
    SaveScreenToFields();
    SaveCurrentWorksheet();
    return dropped;
}

bool TFrameWnd::DeleteWorksheet(int k) {
    const int n = store_.CurrentWorksheetList();
    if (n == 0) return false;
    if (!assessment::MayDeleteWorksheet(store_, dialogs_, n, k)) return false;
    if (WorksheetList* list = store_.GetWorksheetList(n)) {
        RemoveWorksheetEntries(*list, k);
        RenumberAfter(*list, k);
    }
    return true;
}

void TFrameWnd::CloseWorksheetList() {
    SaveCurrentWorksheet();
    store_.ResetPerWorksheetFields();
    imagePanel_->show();
    ShowActionPanel(false);
    worksheetNames_.reset();
    store_.SetCurrentWorksheetList(0);
    store_.SetCurrentWorksheet(0);
}

void TFrameWnd::LoadWorksheetAt(int n, int k) { store_.LoadWorksheet(n, k); }

void TFrameWnd::StoreWorksheetAt(int n, int k) {
    // A list that does not exist yet is made, so the fields are kept rather than dropped.
    store_.OpenWorksheetList(n);
    NameIfUnnamed(store_, k);
    store_.StoreWorksheet(n, k);
    worksheetNames_.reset();
}

void TFrameWnd::BuildWorksheetNames() {
    worksheetNames_.emplace();
    if (const WorksheetList* list = store_.GetWorksheetList(store_.CurrentWorksheetList()))
        for (const data::WorksheetEntry& entry : *list)
            if (entry.field == 710) worksheetNames_->push_back(EntryText(entry.slot));
    worksheetNames_->emplace_back(kCreateNewWorksheet);
}

void TFrameWnd::RefreshPickList() {
    const QSignalBlocker quiet(lstPickList_);
    lstPickList_->clear();
    SaveShownWorksheet();
    wsheetHdrLbl_->SetCurrentSection(1);
    BuildWorksheetNames();
    ShowLines(*lstPickList_, *worksheetNames_);
    lstPickList_->setCurrentRow(store_.CurrentWorksheet() - 1);
    selectedWorksheet_ = lstPickList_->currentRow() + 1;
}

void TFrameWnd::ShowActionPanel(bool show) {
    actionPanel_->setVisible(show);
    // It shares its place in the picture panel with the navigator.
    if (show) actionPanel_->raise();
}

void TFrameWnd::PickListClick(int line) {
    if (run_.ScreenShown && !CanLeaveScreen()) {
        const QSignalBlocker quiet(lstPickList_);
        lstPickList_->setCurrentRow(selectedWorksheet_ - 1);
        return;
    }
    const int current = store_.CurrentWorksheet();
    const bool dropped = SaveShownWorksheet();
    selectedWorksheet_ = line + 1;
    // An emptied worksheet was dropped and the later ones moved up by one.
    if (dropped && selectedWorksheet_ > current) --selectedWorksheet_;
    SelectWorksheet(selectedWorksheet_);
    RefreshPickList();
    FillNavigatorWithNames(selectedWorksheet_ - 1);
    if (screen_) screen_->setFocus();
}

void TFrameWnd::BtnRemoveClick() {
    const int current = store_.CurrentWorksheet();
    const bool dropped = SaveShownWorksheet();
    if (!dialogs_.Confirm(kDeleteQuestion)) return;
    int picked = lstPickList_->currentRow() + 1;
    if (picked <= 0) return;
    // Emptying the worksheet on the screen dropped it already, and the later ones moved up:
    // deleting by the line's old number would take the next record with it.
    if (dropped && picked > current) --picked;
    selectedWorksheet_ = picked;
    if (!(dropped && picked == current)) DeleteWorksheet(picked);
    BuildWorksheetNames();
    {
        const QSignalBlocker quiet(lstPickList_);
        lstPickList_->clear();
        ShowLines(*lstPickList_, *worksheetNames_);
    }
    const int lines = static_cast<int>(worksheetNames_->size());
    if (lines < selectedWorksheet_) selectedWorksheet_ = lines;
    SelectWorksheet(selectedWorksheet_);
    const QSignalBlocker quiet(lstPickList_);
    lstPickList_->setCurrentRow(selectedWorksheet_ - 1);
}

void TFrameWnd::WorksheetNodeClick(int position) {
    if (run_.ScreenShown && !CanLeaveScreen()) {
        navigator_->setCurrentItem(navigator_->topLevelItem(selectedWorksheet_ - 1));
        return;
    }
    const int current = store_.CurrentWorksheet();
    const bool dropped = SaveShownWorksheet();
    selectedWorksheet_ = position + 1;
    if (dropped && selectedWorksheet_ > current) --selectedWorksheet_;
    SelectWorksheet(selectedWorksheet_);
    FillNavigatorWithNames(selectedWorksheet_ - 1);
    if (screen_) screen_->setFocus();
}

}  // namespace ftb::interview
