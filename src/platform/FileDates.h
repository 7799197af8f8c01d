#pragma once
#include <cstdint>
#include <string>

namespace zoriduvo {

// The dates kept with a file. Local time, except while SOURCE_DATE_EPOCH is set: then UTC, so that
// files made for a build are the same wherever they are made.
// The writer's date and time: "mm-dd-yyyy hh:nn:ss".
std::string WriterDate(std::int64_t secondsSince1970);
// A file's modification time as the reader shows it: "yy-mm-dd hh:nn:ss".
std::string ReaderDate(std::int64_t secondsSince1970);

}  // namespace zoriduvo
