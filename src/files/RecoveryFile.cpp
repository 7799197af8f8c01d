#include "files/RecoveryFile.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace zoriduvo {

namespace {

constexpr std::string_view kTag = "zoriduvo-recovery 1\n";

void PutNumber(std::string& out, long long n) { out.append(std::to_string(n)) += '\n'; }

void PutText(std::string& out, std::string_view text) {
    out.append(std::to_string(text.size())) += ':';
    out.append(text) += '\n';
}

// Reads the items back in the order they were put; any fault makes every later read fail.
class Items {
public:
    explicit Items(std::string_view bytes) : rest_(bytes) {}

    std::optional<long long> number(long long low, long long high) {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        long long n = 0;
        const auto [ptr, ec] = std::from_chars(rest_.data(), rest_.data() + end, n);
        if (ec != std::errc{} || ptr != rest_.data() + end || n < low || n > high) return std::nullopt;
        rest_.remove_prefix(end + 1);
        return n;
    }

    std::optional<std::string_view> text() {
        const std::size_t colon = rest_.find(':');
        std::size_t size = 0;
        if (colon == std::string_view::npos) return std::nullopt;
        const auto [ptr, ec] = std::from_chars(rest_.data(), rest_.data() + colon, size);
        if (ec != std::errc{} || ptr != rest_.data() + colon || size >= rest_.size() - colon - 1 ||
            rest_[colon + 1 + size] != '\n')
            return std::nullopt;
        const std::string_view text = rest_.substr(colon + 1, size);
        rest_.remove_prefix(colon + size + 2);
        return text;
    }

    bool text(std::string& out) {
        const auto t = text();
        if (t) out = std::string(*t);
        return t.has_value();
    }

    // Each later item takes at least two bytes: counts beyond that are lies.
    long long room() const { return static_cast<long long>(rest_.size() / 2); }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

bool ReadVariables(Items& in, FileImage& image) {
    const auto count = in.number(0, std::min<long long>(kMaxCount, in.room()));
    if (!count) return false;
    image.variableCount = static_cast<int>(*count);
    for (int v = 1; v <= image.variableCount; ++v) {
        ImageVariable& variable = image.variables.emplace_back();
        const auto categories = in.text(variable.name) ? in.number(kInt16Min, kInt16Max) : std::nullopt;
        const auto minimum = categories ? in.number(kInt16Min, kInt16Max) : std::nullopt;
        const auto maximum = minimum ? in.number(kInt16Min, kInt16Max) : std::nullopt;
        if (!maximum) return false;
        variable.category.count = static_cast<std::int16_t>(*categories);
        variable.category.minimum = static_cast<std::int16_t>(*minimum);
        variable.category.maximum = static_cast<std::int16_t>(*maximum);
    }
    return true;
}

bool ReadCases(Items& in, FileImage& image) {
    const auto groups = in.number(0, std::min<long long>(kMaxCount, in.room()));
    if (!groups) return false;
    for (long long k = 0; k < *groups; ++k) {
        const auto size = in.number(0, kMaxCount - image.caseCount);
        if (!size) return false;
        // A group without cases holds nothing; kept, the sheet's groups could not be saved and
        // a save would merge the groups around it into one.
        if (*size > 0) image.groupSizes.push_back(static_cast<std::int16_t>(*size));
        image.caseCount += static_cast<int>(*size);
    }
    if (image.caseCount > in.room()) return false;
    for (int c = 1; c <= image.caseCount; ++c) {
        const auto name = in.text();
        if (!name) return false;
        image.caseNames.emplace_back(*name);
        for (int v = 1; v <= image.variableCount; ++v) {
            const auto value = in.text();
            if (!value) return false;
            image.appendValue(*value);
        }
    }
    return true;
}

}  // namespace

std::string EncodeRecoveryFile(const RecoveryRecord& record, const FileImage& image) {
    std::string out(kTag);
    for (const std::string* text : {&record.caption, &record.path, &record.fileLabel, &record.blankCode})
        PutText(out, *text);
    PutNumber(out, record.hasFile ? 1 : 0);
    PutText(out, image.comment);
    PutNumber(out, image.variableCount);
    for (int v = 1; v <= image.variableCount; ++v) {
        const ImageVariable& variable = image.variable(v);
        PutText(out, variable.name);
        PutNumber(out, variable.category.count);
        PutNumber(out, variable.category.minimum);
        PutNumber(out, variable.category.maximum);
    }
    PutNumber(out, image.groupCount());
    for (const std::int16_t size : image.groupSizes) PutNumber(out, size);
    for (int c = 1; c <= image.caseCount; ++c) {
        PutText(out, image.caseName(c));
        for (int v = 1; v <= image.variableCount; ++v) PutText(out, image.value(c, v).view());
    }
    return out;
}

bool DecodeRecoveryFile(std::string_view bytes, RecoveryRecord& record, FileImage& image) {
    if (!bytes.starts_with(kTag)) return false;
    Items in(bytes.substr(kTag.size()));
    RecoveryRecord readRecord;
    FileImage read;
    for (std::string* text : {&readRecord.caption, &readRecord.path, &readRecord.fileLabel, &readRecord.blankCode})
        if (!in.text(*text)) return false;
    const auto hasFile = in.number(0, 1);
    if (!hasFile || !in.text(read.comment) || !ReadVariables(in, read) || !ReadCases(in, read) || !in.atEnd())
        return false;
    readRecord.hasFile = *hasFile == 1;
    record = std::move(readRecord);
    image = std::move(read);
    return true;
}

}  // namespace zoriduvo
