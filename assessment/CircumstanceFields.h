#pragma once
// Field numbers of the answers the family assessment reads.
namespace ftb::assessment::fields {

// Claimant.
constexpr int kClaimantOverseas = 1249;   // departure, return
constexpr int kMaritalStatus = 1250;      // status or spouse name, start, end, agreed %
constexpr int kNoSeparation = 1255;       // did not separate and was not widowed after 1 July
constexpr int kSpouseAtYearStart = 1275;  // had a spouse on 1 July 2001
constexpr int kResidency = 1266;          // status, start, end
constexpr int kResidentAllYear = 1268;    // 1 = resident for the whole year
constexpr int kClaimantDeparted = 1289;   // permanently departed Australia
constexpr int kBlindRate = 1290;          // a blind-rate pension during the year
constexpr int kBlindRatePeriods = 1291;   // recipient, start, end

// Spouse and dependant worksheets.
constexpr int kName = 710;

// Dependant worksheet.
constexpr int kDateOfBirth = 713;
constexpr int kSharedCare = 727;
constexpr int kChanges = 732;              // date of change, event, % care
constexpr int kEducationAllYear = 734;
constexpr int kDependantOverseas = 747;    // departure, return
constexpr int kDependantDeparted = 1101;
constexpr int kAbsentSince = 1137;

// Initial answers of the circumstances, by index of the event pair table (2 = Yes, 1 = No).
constexpr int kInitialEducation = 728;
constexpr int kInitialPayment = 730;
constexpr int kInitialAbsent = 731;
constexpr int kInitialResident = 715;
constexpr int kInitialSchemePayment = 1104;

// Amounts that enter the adjusted taxable income.
constexpr int kClaimantIncome = 96;
constexpr int kClaimantIncome126 = 126;   // counts at 0.51
constexpr int kClaimantIncome199 = 199;   // a loss here is added back
constexpr int kClaimantPensions = 1246;
constexpr int kClaimantForeignIncome = 1247;
constexpr int kClaimantMaintenancePaid = 1248;

constexpr int kSpouseTaxableIncome = 717;
constexpr int kSpouseFringeBenefits = 718;
constexpr int kSpouseRentalLosses = 719;
constexpr int kSpousePensions = 720;
constexpr int kSpouseForeignIncome = 721;
constexpr int kSpouseMaintenancePaid = 722;

constexpr int kDependantTaxableIncome = 725;
constexpr int kDependantFringeBenefits = 718;
constexpr int kDependantRentalLosses = 719;
constexpr int kDependantPensions = 720;
constexpr int kDependantForeignIncome = 723;
constexpr int kDependantMaintenancePaid = 724;

}  // namespace ftb::assessment::fields
