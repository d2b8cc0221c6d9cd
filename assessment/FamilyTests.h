#pragma once
// The family circumstance tests: whether the claimant and each dependant count on a date, the
// adjusted taxable income (ATI) figures and the income thresholds of the 2002 income year, and
// the two lists the maintenance screens ask for. Everything is computed on demand from the field
// store; nothing is cached and nothing is written to a field.
#include "assessment/Calendar.h"
#include "assessment/Currency.h"
#include "assessment/Trace.h"
#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::assessment {

// Purposes of the dependant test.
enum DependantPurpose : int {
    dpHigherIncomeThreshold = 0,
    dpMaintenance = 1,  // children under 16
    dpDayTest = 3,      // the day test of the change-of-circumstance screen
};

// The dependant income limit of the age and income test (and of the completion checks).
constexpr Currency kDependantIncomeLimit = Currency::FromDollars(8079);
// Days after a death, or into an absence without consent, up to which a dependant still counts.
constexpr int kGraceDays = 98;
constexpr int kMinimumSharedCare = 10;

// Each test and figure below comes twice: on the store, for one question, and on the records of
// a request that asks many (see FamilyRecords); both give the same answers.

bool ClaimantTest(const data::FieldStore& store, Date date, TraceSink& trace = NoTrace());
bool ClaimantTest(const FamilyRecords& family, Date date, TraceSink& trace = NoTrace());
bool DependantTest(const data::FieldStore& store, int dependant, int purpose, Date date,
                   TraceSink& trace = NoTrace());
bool DependantTest(const DependantRecord& dependant, int purpose, Date date,
                   TraceSink& trace = NoTrace());
bool AgeAndIncomeTestOnDate(const data::FieldStore& store, int dependant, Date date);
bool AgeAndIncomeTestOnDate(const DependantRecord& dependant, Date date);
// Full-time study judged over the whole year; used for the first screening at 1 July 2001.
bool AgeAndIncomeTestForYear(const data::FieldStore& store, int dependant, Date date);
bool AgeAndIncomeTestForYear(const DependantRecord& dependant, Date date);

// Whole dollars: each amount rounded to cents, the maintenance paid taken off, the total rounded
// to dollars.
Currency DependantIncome(const DependantAmounts& amounts);
// DependantIncome of the dependant's stored amounts.
Currency DependantATI(const data::FieldStore& store, int dependant);
// Dollars and cents. Shows the missing-income error box when one of the six amounts is absent,
// each time it is computed.
Currency SpouseATI(const data::FieldStore& store, platform::Dialogs& dialogs, int spouse);
Currency SpouseATI(const SpouseRecord& spouse, platform::Dialogs& dialogs);
Currency ClaimantATI(const data::FieldStore& store);
// The partner's spouse ATI on the date (0, and no box, when there is none) + the claimant's.
Currency FamilyATI(const data::FieldStore& store, platform::Dialogs& dialogs, Date date);
Currency FamilyATI(const FamilyRecords& family, platform::Dialogs& dialogs, Date date);

Currency BaseRateThreshold(const data::FieldStore& store, Date date,
                           TraceSink& trace = NoTrace());
Currency BaseRateThreshold(const FamilyRecords& family, Date date, TraceSink& trace = NoTrace());
Currency HigherIncomeThreshold(const data::FieldStore& store, Date date,
                               TraceSink& trace = NoTrace());
Currency HigherIncomeThreshold(const FamilyRecords& family, Date date,
                               TraceSink& trace = NoTrace());

bool FamilyCircumstanceTest(const data::FieldStore& store, platform::Dialogs& dialogs, Date date,
                            TraceSink& trace = NoTrace());
bool FamilyCircumstanceTest(const FamilyRecords& family, platform::Dialogs& dialogs, Date date,
                            TraceSink& trace = NoTrace());

// Fills `lines` with "index=name" of every maintenance-relevant dependant, in worksheet order.
void MaintenanceRelevantDependants(const data::FieldStore& store, platform::Dialogs& dialogs,
                                   data::TextList& lines, TraceSink& trace = NoTrace());
void MaintenanceRelevantDependants(const FamilyRecords& family, platform::Dialogs& dialogs,
                                   data::TextList& lines, TraceSink& trace = NoTrace());
// Fills `lines` with "index=name" of every spouse worksheet, in worksheet order.
void SpouseList(const data::FieldStore& store, data::TextList& lines);
void SpouseList(const data::WorksheetIndex& spouses, data::TextList& lines);

}  // namespace ftb::assessment
