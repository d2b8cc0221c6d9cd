#pragma once
// The reports of check and assess: the completion findings and the maintenance-relevant
// dependants of a return, and the family circumstance tests on given dates, as tab-separated
// lines or as JSON. Texts are written as UTF-8; amounts as their exact decimal, shortest form.
#include <iosfwd>
#include <vector>

#include "assessment/Trace.h"
#include "data/Dates.h"
#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::ftbfile {

enum class ReportForm { Lines, Json };

// Writes the completion findings, then the maintenance-relevant dependants (and, in JSON, the
// spouses). The boxes the assessment shows go to `dialogs`, the tests' progress in working out
// the maintenance-relevant dependants to `trace`. True when there was a finding.
bool WriteCompletionReport(const data::FieldStore& store, ReportForm form,
                           assessment::TraceSink& trace, platform::Dialogs& dialogs,
                           std::ostream& out);

// Writes the change dates and, for each date (every change date when none is given), the
// claimant test, the partner, the family ATI, both thresholds, the family circumstance test and
// every dependant's test for purposes 0, 1 and 3. The family circumstance test and the
// dependant tests report to `trace`.
void WriteAssessment(const data::FieldStore& store, const std::vector<data::Date>& dates,
                     ReportForm form, assessment::TraceSink& trace, platform::Dialogs& dialogs,
                     std::ostream& out);

}  // namespace ftb::ftbfile
