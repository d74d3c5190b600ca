// The download limit: reading the timer boxes' texts the same under every locale, the pass on
// the step past the limit, and counters that never wrap.
#include "base/DownloadLimit.h"
#include "base/NumericText.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(DownloadLimit, LenientTextsAndAPassOnThe57thStepOfEightSecondsAtFifteenMinutes) {
    const std::pair<const char*, double> cases[] = {{"  8 ", 8.0}, {"7.5min", 7.5}, {"12e", 12.0},
                                                    {"abc", 0.0},  {"-", 0.0},      {"1e999", 0.0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(downloadlimit::limit(QStringLiteral("15")), 450.0);
    EXPECT_EQ(downloadlimit::advance(448, QStringLiteral("8")), 456);
    EXPECT_FALSE(downloadlimit::passDue(450, QStringLiteral("15")));
    EXPECT_TRUE(downloadlimit::passDue(451, QStringLiteral("15")));
    EXPECT_EQ(downloadlimit::advance(2147483600, QStringLiteral("100")), 2147483647);
    EXPECT_EQ(downloadlimit::advance(10, QStringLiteral("x")), 10);
}

TEST(DownloadLimit, TheSaveCheckAndTheCounterReadATimerTextAlikeUnderEveryLocale) {
    const struct {
        const char* text;
        bool number; // the save takes it as typed
        double value;
    } cases[] = {{"1.000", true, 1.0},    {"1,000", true, 1.0},   {"20,5", true, 20.5},
                 {"2.5", true, 2.5},      {" 15 ", true, 15.0},   {"1e9", true, 1e9},
                 {"1.000,5", false, 1.0}, {"15abc", false, 15.0}, {"1e400", false, 0.0}};
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy),
                                  QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        for (const auto& c : cases) {
            SCOPED_TRACE(locale.name().toStdString() + " " + c.text);
            const QString text = QString::fromLatin1(c.text);
            double checked = -1;
            EXPECT_EQ(parseNumber(text, checked), c.number);
            EXPECT_EQ(checked, c.value);
            EXPECT_EQ(numericValue(text), c.value);
        }
        EXPECT_EQ(downloadlimit::limit(QStringLiteral("20,5")), 615.0);
    }
    QLocale::setDefault(QLocale::c());
}

TEST(DownloadLimit, HugeDownloadTimesKeepTheLimitWithinTheCounter) {
    for (const char* minutes : {"71582786", "1e9", "1e308"}) {
        SCOPED_TRACE(minutes);
        const QString text = QString::fromLatin1(minutes);
        // A pass is not due after a few steps, and a counter pushed above the limit is due.
        EXPECT_FALSE(downloadlimit::passDue(100000, text));
        EXPECT_TRUE(downloadlimit::passDue(downloadlimit::aboveLimit(text, 100), text));
        EXPECT_TRUE(downloadlimit::passDue(2147483647, text));
    }
}

} // namespace
