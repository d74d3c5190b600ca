// The address rules of selected entries: town placeholders and series fields.
#include "base/EntryAddress.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(FetchEntryAddress, PlaceholdersTakeTheTownFieldBeforeTheirNumberAndNothingElseChanges) {
    std::array<QString, kTownFields> fields;
    for (int i = 0; i < kTownFields; ++i)
        fields[static_cast<std::size_t>(i)] = QStringLiteral("F%1").arg(i);
    const char* cases[][2] = {
        {"3ttp://h/<p01>/<p14>/<p10><p05>", "http://h/F0/F13/F9F4"},
        // Outside 01..14, upper case, unterminated, or too close to the end.
        {"3ttp://h/?a=<p00>&b=<p15>&c=<P01>", "http://h/?a=<p00>&b=<p15>&c=<P01>"},
        {"3ttp://h/<p01>?x<y&z=<p0", "http://h/F0?x<y&z=<p0"},
        // A first character "<" is the kind digit's place and is replaced like any kind digit.
        {"<p01>", "hp01>"}};
    for (const auto& c : cases)
        EXPECT_EQ(townPageAddress(QLatin1String(c[0]), fields), QLatin1String(c[1])) << c[0];
}

TEST(FetchEntryAddress, SeriesFieldsAndNumberedAddresses) {
    ImageSeries series;
    int steps = 0;
    ASSERT_TRUE(parseImageSeries(QStringLiteral("5ttp://h/img/rad_*.jpg,6,3,10,3"), series, steps));
    EXPECT_EQ(series.count, 10);
    EXPECT_EQ(series.address(series.first + series.step),
              QStringLiteral("http://h/img/rad_009.jpg"));
    // Padding is a minimum width, never a cut.
    EXPECT_EQ(series.address(12345), QStringLiteral("http://h/img/rad_12345.jpg"));
    // Fields that are not numbers count as zero.
    ASSERT_TRUE(parseImageSeries(QStringLiteral("5ttp://h/p*.png,a,b,c,d"), series, steps));
    EXPECT_EQ(series.count + series.digits, 0);
    // Without all separators it is rejected; a longer entry's step count is checked by the pass.
    EXPECT_FALSE(parseImageSeries(QStringLiteral("5ttp://h/p*.png,1,1,3"), series, steps));
    EXPECT_FALSE(parseImageSeries(QStringLiteral("5"), series, steps));
    EXPECT_EQ(steps, 1);
}
