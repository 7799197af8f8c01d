// Each native row writes the version it names, read back by the reader: its tag, whether it
// carries statistics, and the data unchanged.
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {
namespace {

TEST(ExportFormats, NativeRowsWriteTheirVersionToTheChosenFile) {
    FileImage survey;
    ASSERT_FALSE(ReadNativeBytes(test::TestData("native-v3-groups/expected.vo"), survey));
    for (const char* name : {"vo1", "vo2", "vo3", "vo4"}) {
        SCOPED_TRACE(name);
        const ExportForm* form = FindExportForm(name);
        ASSERT_TRUE(form);
        std::vector<OutputFile> files;
        ASSERT_FALSE(EncodeExport(*form, survey, "/tmp/out.vo", files));
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0].path, "/tmp/out.vo");

        FileImage back;
        ASSERT_FALSE(ReadNativeBytes(files[0].bytes, back));
        EXPECT_EQ(back.formatTag, form->caption);
        EXPECT_EQ(back.statisticsPresent, form->withStatistics);
        EXPECT_EQ(back.groupSizes, survey.groupSizes);
        EXPECT_EQ(back.value(3, 2), survey.value(3, 2));
    }
    EXPECT_EQ(FindExportForm("vo5"), nullptr);
}

}  // namespace
}  // namespace zoriduvo
