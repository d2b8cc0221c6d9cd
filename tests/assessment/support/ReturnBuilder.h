#pragma once
// Builds returns for tests: claimant answers straight into the field store, spouse and
// dependant worksheets from a few fields through the store's own StoreWorksheet, and grid tables
// as the text lists the grids keep (cells row by row).
#include <string>
#include <variant>
#include <vector>

#include "data/Dates.h"
#include "data/FieldStore.h"

namespace ftb::test_support {

// The date of a "dd/mm/yyyy" text; throws std::invalid_argument for an invalid one.
data::Date Dmy(const std::string& text);

// A table as rows of cells; Cells() gives its storage form.
using Rows = std::vector<std::vector<std::string>>;
data::TextList Cells(const Rows& rows);

// The fields of one worksheet, applied in the order given.
class WorksheetBuilder {
public:
    // The name goes into field 710; left empty the store names the worksheet itself.
    explicit WorksheetBuilder(std::string name = {});

    // Only the per-worksheet fields (710..750, 1100..1200) may be set; any other field number
    // throws std::invalid_argument, so a mistyped field cannot be dropped silently.
    WorksheetBuilder& Amount(int field, long double value);  // kind fkDollars
    WorksheetBuilder& Cents(int field, long double value);   // kind fkCents
    WorksheetBuilder& Text(int field, std::string text);
    WorksheetBuilder& Check(int field);
    WorksheetBuilder& Table(int field, const Rows& rows);

    // Appends the worksheet to list n as its next worksheet number; returns its 0-based index.
    int AppendTo(data::FieldStore& store, int list) const;

private:
    struct CentsValue {
        long double value;
    };
    using Value = std::variant<long double, CentsValue, std::string, bool, data::TextList>;
    struct Field {
        int number;
        Value value;
    };
    WorksheetBuilder& Add(int field, Value value);

    std::vector<Field> fields_;
};

// A dependant worksheet with its name and date of birth (field 713, "dd/mm/yyyy").
WorksheetBuilder Dependant(std::string name, std::string dateOfBirth);

class ReturnBuilder {
public:
    explicit ReturnBuilder(data::FieldStore& store) : store_(store) {}

    ReturnBuilder& Amount(int field, long double value);
    ReturnBuilder& Text(int field, const std::string& text);
    ReturnBuilder& Check(int field);
    ReturnBuilder& Table(int field, const Rows& rows);

    int AddSpouse(const WorksheetBuilder& spouse);        // list 19
    int AddDependant(const WorksheetBuilder& dependant);  // list 22

    data::FieldStore& Store() { return store_; }

private:
    data::FieldStore& store_;
};

}  // namespace ftb::test_support
