#pragma once

// The side file's comment lines: a lead, then whole numbers or a name,
// "-"-separated. Its writer and its reader spell them from here.

#include <optional>
#include <string_view>
#include <vector>

namespace tw {

inline constexpr std::string_view kTvLead = ";TV-", kSizeLead = ";Size-", kTimeLead = ";Time-", kSceneLead = ";Scene-";

// Whole numbers of at most three digits, "-"-separated, after a lead: as
// many as `count`, or nothing.
std::optional<std::vector<int>> Numbers(std::string_view line, std::string_view lead, int count);

} // namespace tw
