// The ray check's table texts.
#include "texts/ray_table.h"

#include <gtest/gtest.h>

using namespace monocl;

TEST(RayTable, Texts)
{
    EXPECT_EQ(rayTableHeader(0), "Параметр");
    EXPECT_EQ(rayTableHeader(1), "Третий порядок");
    EXPECT_EQ(rayTableHeader(2), "Уточнено лучами");
    EXPECT_EQ(rayTableLabel(15), "Продольный хроматизм (F \xE2\x80\x93 C), мм");

    RayCheck c;
    c.focalLength = 52.0149;
    c.sphericalEdge = -4.94278;
    c.spotAxis = 54.66;
    struct Case {
        int row;
        char separator;
        const char* text;
    };
    for (const Case t : {Case{1, ',', "52,01"}, Case{1, '.', "52.01"}, Case{3, ',', "-4,943"},
                         Case{8, '.', "54.7"}, Case{2, ',', " - "}, Case{16, '.', " - "}}) {
        SCOPED_TRACE(t.row);
        EXPECT_EQ(rayTableValue(t.row, c, t.separator), t.text);
    }
}
