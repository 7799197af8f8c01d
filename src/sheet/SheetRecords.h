#pragma once
#include <cstdint>
#include <string>

namespace zoriduvo {

inline constexpr const char* kUndefined = "未定義";
inline constexpr const char* kNotSaved = "未保存";
inline constexpr const char* kDefaultBlankCode = "%M";

struct SheetState {
    bool free = false;
    bool modified = false;
    std::int16_t statisticsBlocks = 0;
    std::int16_t caseGroups = 1;
    bool rangeSelection = false;
    bool blank = true;
    bool operator==(const SheetState&) const = default;
};

struct SheetStatisticsAndFile {
    bool statisticsValid = false;
    bool hasFile = false;
    bool operator==(const SheetStatisticsAndFile&) const = default;
};

struct SheetInformation {
    std::string path = kUndefined;
    std::string fileLabel = kUndefined;
    std::string formatTag = kUndefined;
    std::string date = kNotSaved;
    std::int16_t loadedCases = 0;
    std::int16_t loadedVariables = 0;
    std::string blankCode = kDefaultBlankCode;
    bool operator==(const SheetInformation&) const = default;
};

}  // namespace zoriduvo
