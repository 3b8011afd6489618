#include "engine/platform/cProfileRegistry.h"

#include <algorithm>  // std::min, std::max
#include <cmath>      // std::ceil
#include <locale>     // the classic locale keeps the report's numbers plain
#include <sstream>

#include "engine/core/cLog.h"

namespace Engine {
namespace {

const char* const kProfileCategory = "profileLog";
const std::string kRule = std::string(64, '-') + "\n";
const char* const kIndentStep = "   ";

// Seconds as whole milliseconds, rounded up.
float CeilingMilliseconds(float seconds) {
    return std::ceil(seconds * 1000.0f);
}

// The average over the samples; a record without samples averages 0.
float AverageSeconds(const cProfileRecord& record) {
    if (record.sample_count == 0) return 0.0f;
    return record.total_time / static_cast<float>(record.sample_count);
}

std::string Indent(int32_t depth) {
    std::string indent;
    for (int32_t level = 0; level < depth; ++level) indent += kIndentStep;
    return indent;
}

}  // namespace

void cProfileRegistry::AddSample(const std::string& name, float seconds, int32_t depth) {
    auto [found, inserted] = profile_records.try_emplace(name);
    cProfileRecord& record = found->second;
    if (inserted) {
        profile_order.push_back(name);
        record.depth = depth;
        record.min_time = seconds;
        record.max_time = seconds;
    }
    record.total_time += seconds;
    record.min_time = std::min(record.min_time, seconds);
    record.max_time = std::max(record.max_time, seconds);
    ++record.sample_count;
}

const cProfileRecord* cProfileRegistry::Find(const std::string& name) const {
    auto found = profile_records.find(name);
    return found == profile_records.end() ? nullptr : &found->second;
}

std::string cProfileRegistry::ComposeProfileReport() const {
    std::ostringstream report;
    std::ostringstream totals;
    report.imbue(std::locale::classic());
    totals.imbue(std::locale::classic());

    report << "Time per frame:\n" << kRule << "  Ave(ms)  |  Min(ms)  |  Max(ms)  |  Profile Name\n" << kRule;
    for (const std::string& name : profile_order) {
        const cProfileRecord& record = profile_records.at(name);
        const std::string indent = Indent(record.depth);
        report << "  " << CeilingMilliseconds(AverageSeconds(record)) << "    |"
               << "  " << CeilingMilliseconds(record.min_time) << "    |"
               << "  " << CeilingMilliseconds(record.max_time) << "    |"
               << "  " << indent << name << "\n";
        totals << indent << "Profile \"" << name << "\" takes a total of " << record.total_time << " seconds.\n";
    }
    report << kRule << "\n\n" << totals.str();
    return report.str();
}

void cProfileRegistry::WriteProfileReport() const {
    cLog::Instance().Write(kProfileCategory, ComposeProfileReport());
}

}  // namespace Engine
