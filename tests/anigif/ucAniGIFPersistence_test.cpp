// ucAniGIF persistence: property-bag names, defaults left out, reading and writing orders.
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
    ASSERT_EQ(control.FrameCount(), 2);
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

TEST(ucAniGIFPersistence, DesignTimeRoundTripKeepsEveryChangedValue) {
    ucAniGIF designer(nullptr, true);
    const QByteArray bytes = smallGif(7);
    designer.setAnimatedGIF(anigif::GifPicture{bytes, QImage()});
    designer.setMinFrameDelay(120);
    designer.setStretch(3);
    designer.setAutoSize(true);
    designer.setLoops(4);
    designer.setDelayAnimation(2);
    designer.setMirrored(3);
    designer.setEnabled(false);
    designer.setMousePointer(2);
    designer.setBackColor(0x00336699);
    designer.setBackStyle(1);
    designer.setSteppedDelay(300);
    designer.setOffsetX(-4);
    designer.setOffsetY(9);
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
    EXPECT_EQ(restored.FrameCount(), 2);
    EXPECT_EQ(restored.MinFrameDelay(), 120);
    EXPECT_EQ(restored.Stretch(), 3);
    EXPECT_TRUE(restored.AutoSize());
    EXPECT_EQ(restored.Loops(), 4);
    EXPECT_EQ(restored.DelayAnimation(), 2);
    EXPECT_EQ(restored.Mirrored(), 3);
    EXPECT_FALSE(restored.Enabled());
    EXPECT_EQ(restored.MousePointer(), 2);
    EXPECT_EQ(restored.BackColor(), 0x00336699u);
    EXPECT_EQ(restored.BackStyle(), 1);
    EXPECT_EQ(restored.SteppedDelay(), 300);
    EXPECT_EQ(restored.OffsetX(), -4);
    EXPECT_EQ(restored.OffsetY(), 9);
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
