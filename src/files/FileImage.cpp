#include "files/FileImage.h"

#include <algorithm>

namespace zoriduvo {

namespace {
const ImageVariable kNoVariable{};
const ImageStatistics kNoStatistics{};
}  // namespace

std::vector<int> FileImage::groupEnds() const {
    std::vector<int> ends{0};
    ends.reserve(groupSizes.size() + 1);
    for (std::int16_t size : groupSizes) ends.push_back(ends.back() + size);
    return ends;
}

const ImageVariable& FileImage::variable(int v) const {
    if (v < 1 || v > static_cast<int>(variables.size())) return kNoVariable;
    return variables[v - 1];
}

std::string_view FileImage::caseName(int c) const {
    if (c < 1 || c > static_cast<int>(caseNames.size())) return {};
    return caseNames[c - 1];
}

const ImageStatistics& FileImage::statisticsOf(int v) const {
    if (v < 1 || v > static_cast<int>(statistics.size())) return kNoStatistics;
    return statistics[v - 1];
}

std::string_view FileImage::value(int c, int v) const {
    if (c < 1 || v < 1 || v > variableCount || c > static_cast<int>(caseStarts_.size())) return {};
    const std::size_t end = c < static_cast<int>(caseStarts_.size()) ? caseStarts_[c] : valueEnds_.size();
    const std::size_t k = caseStarts_[c - 1] + (v - 1);
    if (k >= end) return {};
    const std::size_t begin = k == 0 ? 0 : valueEnds_[k - 1];
    return std::string_view(valueChars_).substr(begin, valueEnds_[k] - begin);
}

std::string_view FileImage::writtenValue(int c, int v) const {
    const std::string_view text = value(c, v);
    return text.empty() ? std::string_view(blankText) : text;
}

int FileImage::valuesHeldIn(int c) const {
    if (c < 1 || c > static_cast<int>(caseStarts_.size())) return 0;
    const std::size_t end = c < static_cast<int>(caseStarts_.size()) ? caseStarts_[c] : valueEnds_.size();
    return static_cast<int>(end - caseStarts_[c - 1]);
}

void FileImage::beginCase() {
    caseStarts_.push_back(valueEnds_.size());
    nextVariable_ = 0;
    emptiesPending_ = 0;
}

void FileImage::appendValue(std::string_view text) {
    if (caseStarts_.empty() || nextVariable_ >= variableCount) beginCase();
    ++nextVariable_;
    if (text.empty()) {
        ++emptiesPending_;
        return;
    }
    valueEnds_.insert(valueEnds_.end(), emptiesPending_, valueChars_.size());
    emptiesPending_ = 0;
    valueChars_.append(text);
    valueEnds_.push_back(valueChars_.size());
}

void FileImage::reserveValues(std::size_t count, std::size_t chars) {
    valueEnds_.reserve(count);
    valueChars_.reserve(chars);
}

void ReserveValuesOfText(FileImage& image, std::size_t textSize) {
    const std::size_t cells = static_cast<std::size_t>(std::max(image.caseCount, 0)) *
                              static_cast<std::size_t>(std::max(image.variableCount, 0));
    // The values are pieces of the text, so it bounds their characters too.
    image.reserveValues(std::min(cells, textSize), textSize);
}

void TakeFileRecord(SheetInformation& info, const FileImage& image) {
    info.path = image.path;
    info.fileLabel = image.fileLabel;
    info.formatTag = image.formatTag;
    info.date = image.date;
    info.loadedCases = static_cast<std::int16_t>(image.caseCount);
    info.loadedVariables = static_cast<std::int16_t>(image.variableCount);
}

}  // namespace zoriduvo
