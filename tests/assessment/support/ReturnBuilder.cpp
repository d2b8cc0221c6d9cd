#include "assessment/support/ReturnBuilder.h"

#include <stdexcept>

namespace ftb::test_support {

data::Date Dmy(const std::string& text) {
    const auto date = data::ParseDate(text);
    if (!date) throw std::invalid_argument("not a date: " + text);
    return *date;
}

data::TextList Cells(const Rows& rows) {
    data::TextList cells;
    for (const auto& row : rows) cells.insert(cells.end(), row.begin(), row.end());
    return cells;
}

WorksheetBuilder::WorksheetBuilder(std::string name) {
    if (!name.empty()) Text(710, std::move(name));
}

WorksheetBuilder& WorksheetBuilder::Add(int field, Value value) {
    if (!data::FieldStore::IsPerWorksheetField(field))
        throw std::invalid_argument("not a per-worksheet field: " + std::to_string(field));
    fields_.push_back({field, std::move(value)});
    return *this;
}

WorksheetBuilder& WorksheetBuilder::Amount(int field, long double value) {
    return Add(field, value);
}
WorksheetBuilder& WorksheetBuilder::Cents(int field, long double value) {
    return Add(field, CentsValue{value});
}
WorksheetBuilder& WorksheetBuilder::Text(int field, std::string text) {
    return Add(field, std::move(text));
}
WorksheetBuilder& WorksheetBuilder::Check(int field) { return Add(field, true); }
WorksheetBuilder& WorksheetBuilder::Table(int field, const Rows& rows) {
    return Add(field, Cells(rows));
}

int WorksheetBuilder::AppendTo(data::FieldStore& store, int list) const {
    const int number = store.HighestWorksheetNumber(list) + 1;
    store.OpenWorksheetList(list);
    store.ResetPerWorksheetFields();
    for (const Field& field : fields_) {
        const int f = field.number;
        if (const auto* amount = std::get_if<long double>(&field.value)) {
            store.SetFieldVal(f, *amount);
        } else if (const auto* cents = std::get_if<CentsValue>(&field.value)) {
            store.SetFieldKind(f, data::fkCents);
            store.SetFieldVal(f, cents->value);
        } else if (const auto* text = std::get_if<std::string>(&field.value)) {
            store.SetFieldStr(f, *text);
        } else if (std::holds_alternative<bool>(field.value)) {
            store.SetFieldChecked(f);
        } else {
            store.SetFieldLst(f, std::get<data::TextList>(field.value));
        }
    }
    store.StoreWorksheet(list, number);
    return number - 1;
}

WorksheetBuilder Dependant(std::string name, std::string dateOfBirth) {
    WorksheetBuilder dependant(std::move(name));
    dependant.Text(713, std::move(dateOfBirth));
    return dependant;
}

ReturnBuilder& ReturnBuilder::Amount(int field, long double value) {
    store_.SetFieldVal(field, value);
    return *this;
}
ReturnBuilder& ReturnBuilder::Text(int field, const std::string& text) {
    store_.SetFieldStr(field, text);
    return *this;
}
ReturnBuilder& ReturnBuilder::Check(int field) {
    store_.SetFieldChecked(field);
    return *this;
}
ReturnBuilder& ReturnBuilder::Table(int field, const Rows& rows) {
    store_.SetFieldLst(field, Cells(rows));
    return *this;
}

int ReturnBuilder::AddSpouse(const WorksheetBuilder& spouse) {
    return spouse.AppendTo(store_, data::kSpouseList);
}
int ReturnBuilder::AddDependant(const WorksheetBuilder& dependant) {
    return dependant.AppendTo(store_, data::kDependantList);
}

}  // namespace ftb::test_support
