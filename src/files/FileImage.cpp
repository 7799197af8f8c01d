#include "files/FileImage.h"

#include <algorithm>

#include "sheet/LargePages.h"
#include "text/NumberText.h"

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

const Cell& FileImage::cell(int c, int v) const {
    static const Cell blank;
    if (grid_) {
        const int row = c + 1, col = v + 1;
        if (c < 1 || v < 1 || c > caseCount || v > variableCount || row >= grid_->rows() || col >= grid_->cols())
            return blank;
        return grid_->cell(row, col);
    }
    if (c < 1 || v < 1 || v > variableCount || c > static_cast<int>(caseStarts_.size())) return blank;
    const std::size_t end = c < static_cast<int>(caseStarts_.size()) ? caseStarts_[c] : values_.size();
    const std::size_t k = caseStarts_[c - 1] + (v - 1);
    return k < end ? values_[k] : blank;
}

std::span<const Cell> FileImage::caseValues(int c) const {
    const auto held = static_cast<std::size_t>(valuesHeldIn(c));
    if (held == 0) return {};
    if (grid_) return grid_->storedRow(c + 1).subspan(2, held);
    return std::span<const Cell>(values_).subspan(caseStarts_[c - 1], held);
}

int FileImage::valuesHeldIn(int c) const {
    if (grid_) return c < 1 || c > caseCount ? 0 : std::clamp(grid_->storedCols(c + 1) - 2, 0, variableCount);
    if (c < 1 || c > static_cast<int>(caseStarts_.size())) return 0;
    const std::size_t end = c < static_cast<int>(caseStarts_.size()) ? caseStarts_[c] : values_.size();
    return static_cast<int>(end - caseStarts_[c - 1]);
}

std::size_t FileImage::valuesHeld() const {
    if (!grid_) return values_.size();
    std::size_t held = 0;
    for (int c = 1; c <= caseCount; ++c) held += static_cast<std::size_t>(valuesHeldIn(c));
    return held;
}

void FileImage::beginCase() {
    caseStarts_.push_back(values_.size());
    nextVariable_ = 0;
    emptiesPending_ = 0;
}

void FileImage::appendCell(Cell value) {
    if (caseStarts_.empty() || nextVariable_ >= variableCount) beginCase();
    ++nextVariable_;
    if (value.empty()) {
        ++emptiesPending_;
        return;
    }
    values_.resize(values_.size() + emptiesPending_);
    emptiesPending_ = 0;
    values_.push_back(std::move(value));
}

void FileImage::appendCase(std::span<const Cell> values) {
    beginCase();
    values_.insert(values_.end(), values.begin(), values.end());
    nextVariable_ = static_cast<int>(values.size());
}

void FileImage::reserveValues(std::size_t count) {
    values_.reserve(count);
    AskForLargePages(values_.data(), count * sizeof(Cell));
}

void ReserveValuesOfText(FileImage& image, std::size_t textSize) {
    const std::size_t cells = static_cast<std::size_t>(std::max(image.caseCount, 0)) *
                              static_cast<std::size_t>(std::max(image.variableCount, 0));
    // Each value takes at least its comma in the text.
    image.reserveValues(std::min(cells, textSize));
}

void TakeFileRecord(SheetInformation& info, const FileImage& image) {
    info.path = image.path;
    info.fileLabel = image.fileLabel;
    info.formatTag = image.formatTag;
    info.date = image.date;
    info.loadedCases = static_cast<std::int16_t>(image.caseCount);
    info.loadedVariables = static_cast<std::int16_t>(image.variableCount);
}

Cell LoadedCell(const Cell& value) {
    if (value.isNumber() || value.empty()) return value;
    return Cell::FromText(GeneralText(value.leadingNumber()));
}

}  // namespace zoriduvo
