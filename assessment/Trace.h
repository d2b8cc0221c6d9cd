#pragma once
// Where the family circumstance tests report their progress. The base class does nothing; a
// caller that wants to follow a test derives from it and passes its own sink.
#include <string>

#include "data/Dates.h"

namespace ftb::assessment {

class TraceSink {
public:
    virtual ~TraceSink() = default;

    virtual void WriteLine(const std::string& /*text*/) {}
    // A step of a test with the result as it stands after the step.
    virtual void ReportStep(const std::string& /*label*/, bool /*result*/) {}
    virtual void ReportDate(data::Date /*date*/) {}
};

// The sink used when the caller passes none: every report is dropped.
inline TraceSink& NoTrace() {
    static TraceSink sink;
    return sink;
}

}  // namespace ftb::assessment
