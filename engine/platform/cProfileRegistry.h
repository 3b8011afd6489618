#pragma once
// cProfileRegistry: the process-wide table of named profiles and its report.
//
// Each profile gathers samples (total, shortest, longest, count); the report
// lists the profiles in the order they were first registered, with their
// average, minimum and maximum in whole milliseconds rounded up, followed by
// one totals line each. The report is written once, at shut-down, to the log
// category "profileLog". The gameplay state samples the stages of its step,
// its render and its level load; a run that never plays writes the report's
// fixed lines only.

#include <map>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/platform/cProfileRecord.h"

namespace Engine {

class cProfileRegistry : public Singleton<cProfileRegistry> {
    friend class Singleton<cProfileRegistry>;

public:
    // Adds one sample of seconds to the named profile, registering it at
    // depth on its first sample; a later depth for the same name is ignored.
    void AddSample(const std::string& name, float seconds, int32_t depth);

    // The record of a profile, or null when the name was never registered.
    const cProfileRecord* Find(const std::string& name) const;

    // The report text, in the fixed layout of the profile log.
    std::string ComposeProfileReport() const;
    // Writes the report as one message to the log category "profileLog".
    void WriteProfileReport() const;

private:
    cProfileRegistry() = default;

    std::map<std::string, cProfileRecord> profile_records;
    std::vector<std::string> profile_order;
};

}  // namespace Engine
