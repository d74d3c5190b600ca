// ucAniGIF persistence: change reports, defaults left out, round trip, read and write orders.
#include "ucAniGIFTestSupport.h"

#include "anigif/PropertyBag.h"
#include "anigif/ucAniGIF.h"

#include <gtest/gtest.h>

using namespace uctest;
using anigif::MemoryPropertyBag;

namespace {

QByteArray smallGif(int loops) {
    return makeGif(QSize(10, 10), rampTable(4, 1),
                   {patternFrame(QRect(0, 0, 10, 10), 1, 4), patternFrame(QRect(2, 2, 5, 5), 2, 4)},
                   loops);
}

} // namespace

TEST(ucAniGIFPersistence, DefaultsAreLeftOutAndARunTimeControlStoresNoGif) {
    ucAniGIF control;
    loadStopped(control, smallGif(0));
    control.setDelayAnimation(1);
    MemoryPropertyBag bag;
    control.WriteProperties(bag);
    EXPECT_EQ(bag.writeOrder(),
              (QStringList{"GIF", "Delay", "Stretch", "Loops", "DelayLoad", "Mirror", "MouseIcon",
                           "MousePointer", "Enabled", "OffsetX", "OffsetY", "BkgFill", "BkgUsed",
                           "StepDelay"}));
    EXPECT_EQ(bag.values().keys(), QStringList{"GIF"});
    EXPECT_TRUE(bag.values().value("GIF").toByteArray().isEmpty());
}

TEST(ucAniGIFPersistence, ChangesAreReportedStoredAndReadBack) {
    ucAniGIF designer(nullptr, true);
    const QByteArray bytes = smallGif(7);
    designer.setAnimatedGIF(anigif::GifPicture{bytes, QImage()});
    EventLog events(designer);
    designer.setAutoSize(true);
    designer.setEnabled(false);
    designer.setStretch(3);
    designer.setMinFrameDelay(120);
    designer.setLoops(4);
    designer.setMirrored(3);
    designer.setDelayAnimation(2);
    designer.setMousePointer(2);
    designer.setOffsetX(-4);
    designer.setOffsetY(9);
    designer.setBackColor(0x00336699);
    designer.setBackStyle(1);
    designer.setSteppedDelay(300);
    EXPECT_EQ(events.changes, (QStringList{"AutoSize", "Enabled", "Stretch", "Delay", "Loops",
                                           "Mirrored", "DelayAnimation", "MousePointer", "OffsetX",
                                           "OffsetY", "BackColor", "BackStyle", "SteppedDelay"}));
    MemoryPropertyBag saved;
    designer.WriteProperties(saved);
    EXPECT_EQ(saved.values().value("Stretch").toInt(), 3 + 8);
    EXPECT_EQ(saved.values().value("GIF").toByteArray(), bytes);

    MemoryPropertyBag stored;
    ASSERT_TRUE(stored.fromBytes(saved.toBytes()));
    ucAniGIF restored(nullptr, true);
    restored.ReadProperties(stored);
    EXPECT_EQ(stored.readOrder(),
              (QStringList{"GIF", "Delay", "Stretch", "DelayLoad", "Mirror", "Enabled", "MouseIcon",
                           "MousePointer", "BkgFill", "BkgUsed", "StepDelay", "OffsetX", "OffsetY",
                           "Loops"}));
    EXPECT_EQ(
        (std::vector<qint64>{restored.FrameCount(), restored.MinFrameDelay(), restored.Stretch(),
                             restored.AutoSize(), restored.Loops(), restored.DelayAnimation(),
                             restored.Mirrored(), restored.Enabled(), restored.MousePointer(),
                             restored.BackColor(), restored.BackStyle(), restored.SteppedDelay(),
                             restored.OffsetX(), restored.OffsetY()}),
        (std::vector<qint64>{2, 120, 3, 1, 4, 2, 3, 0, 2, 0x00336699, 1, 300, -4, 9}));

    // Values out of range, or unchanged, are ignored and report nothing.
    EventLog ignored(restored);
    restored.setStretch(5);
    restored.setMirrored(4);
    restored.setDelayAnimation(-1);
    restored.setBackStyle(2);
    restored.setMinFrameDelay(120);
    restored.setFrameCount(9);
    EXPECT_TRUE(ignored.changes.isEmpty());
    MemoryPropertyBag again;
    restored.WriteProperties(again);
    EXPECT_EQ(again.values(), saved.values());
}

TEST(ucAniGIFPersistence, BrokenGifAndForeignBytesAreReadSafely) {
    MemoryPropertyBag bag;
    bag.WriteProperty("Loops", 6, 0);
    bag.WriteProperty("GIF", QByteArray("not a gif"), QVariant());
    ucAniGIF broken(nullptr, true);
    broken.ReadProperties(bag);
    EXPECT_FALSE(bag.readOrder().contains("Loops")); // read only when the GIF loads
    EXPECT_EQ(broken.FrameCount(), 0);

    bag.WriteProperty("GIF", smallGif(-1), QVariant());
    bag.WriteProperty("DelayLoad", -1, 1); // an old stored -1 means 1
    ucAniGIF loaded(nullptr, true);
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Loops(), 6);
    EXPECT_EQ(loaded.DelayAnimation(), 1);

    EXPECT_FALSE(bag.fromBytes(QByteArray("\x01\x02garbage", 9)));
    EXPECT_EQ(bag.values().value("Loops").toInt(), 6);
}
