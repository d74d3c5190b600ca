// The block walk of GIF files: signature, tables, extensions, frames, ranges, canvas, budget.
#include "GifStreamSupport_test.h"
#include "anigif/GifStream.h"

#include <gtest/gtest.h>

using anigif::GifStream;
using giftest::GifWriter;

namespace {

int parse(GifStream& gif, const QByteArray& bytes) {
    gif.Buffer = bytes;
    return anigif::ParseGif(gif);
}

int parse(const QByteArray& bytes) {
    GifStream gif;
    return parse(gif, bytes);
}

QByteArray oneFrame(const char* signature) {
    return GifWriter().header(signature, 4, 4, 2).image(0, 0, 4, 4).trailer().bytes();
}

} // namespace

TEST(GifStreamParse, SignatureIsComparedWithoutLetterCase) {
    EXPECT_EQ(parse(oneFrame("GIF89a")), 1);
    EXPECT_EQ(parse(oneFrame("gif87a")), 1);
    EXPECT_EQ(parse(oneFrame("GiF89A")), 1);
    EXPECT_EQ(parse(oneFrame("GIF88a")), 0);
    EXPECT_EQ(parse(oneFrame("PNG89a")), 0);
    EXPECT_EQ(parse(QByteArray("GIF89")), 0);
    EXPECT_EQ(parse(QByteArray()), 0);
    EXPECT_EQ(parse(QByteArray("GIF89a\x04\x00\x04\x00", 10)), 0); // ends before the packed byte
}

TEST(GifStreamParse, GlobalTableHoldsColoursAndTheirCount) {
    GifStream gif;
    ASSERT_EQ(parse(gif, oneFrame("GIF89a")), 1);
    ASSERT_EQ(gif.ColorTables.size(), 1u);
    EXPECT_TRUE(gif.HasGlobalTable);
    EXPECT_EQ(gif.ColorTables[0][anigif::kColorCountEntry], 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(gif.ColorTables[0][std::size_t(i)], giftest::testColour(i));
    EXPECT_EQ(gif.frame(1).ColorTable, 0);
}

TEST(GifStreamParse, LocalTablesAreNumberedInFileOrder) {
    GifStream gif;
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 8, 8, 0)
                                 .image(0, 0, 2, 2, 1)
                                 .image(0, 0, 2, 2, 8)
                                 .image(0, 0, 2, 2, 3)
                                 .trailer()
                                 .bytes();
    ASSERT_EQ(parse(gif, bytes), 3);
    EXPECT_FALSE(gif.HasGlobalTable);
    EXPECT_EQ(gif.LocalTableCount, 3);
    ASSERT_EQ(gif.ColorTables.size(), 4u);
    EXPECT_EQ(gif.ColorTables[0][anigif::kColorCountEntry], 0u); // no global table
    EXPECT_EQ(gif.ColorTables[1][anigif::kColorCountEntry], 2u);
    EXPECT_EQ(gif.ColorTables[2][anigif::kColorCountEntry], 256u);
    EXPECT_EQ(gif.ColorTables[3][anigif::kColorCountEntry], 8u);
    EXPECT_EQ(gif.ColorTables[2][255], giftest::testColour(255));
    EXPECT_EQ(gif.frame(1).ColorTable, 1);
    EXPECT_EQ(gif.frame(3).ColorTable, 3);
}

TEST(GifStreamParse, FrameWithoutAnyColourTableFailsTheWholeLoad) {
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 8, 8, 0)
                                 .image(0, 0, 2, 2, 2)
                                 .image(0, 0, 2, 2, 0)
                                 .trailer()
                                 .bytes();
    GifStream gif;
    EXPECT_EQ(parse(gif, bytes), 0);
    EXPECT_TRUE(gif.Frames.empty());
}

TEST(GifStreamParse, GraphicControlGivesDelayDisposalAndTransparency) {
    GifStream gif;
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 4, 4, 2)
                                 .graphicControl(3, 7, true, 2) // 3 before any frame
                                 .image(0, 0, 4, 4)
                                 .graphicControl(3, 0, false, 9)
                                 .image(0, 0, 4, 4)
                                 .graphicControl(5, 65535, false, 0) // reserved value
                                 .image(0, 0, 4, 4)
                                 .image(0, 0, 4, 4) // no extension
                                 .graphicControl(2, 1, false, 0)
                                 .image(0, 0, 4, 4)
                                 .trailer()
                                 .bytes();
    ASSERT_EQ(parse(gif, bytes), 5);
    EXPECT_EQ(gif.frame(1).Disposal, 0);
    EXPECT_EQ(gif.frame(1).Delay, 70);
    EXPECT_EQ(gif.frame(1).Transparent, 1);
    EXPECT_EQ(gif.frame(1).TransparentIndex, 2);
    EXPECT_EQ(gif.frame(2).Disposal, 3);
    EXPECT_EQ(gif.frame(2).Transparent, 0);
    EXPECT_EQ(gif.frame(2).TransparentIndex, 0); // not read without the flag
    EXPECT_EQ(gif.frame(3).Disposal, 0);
    EXPECT_EQ(gif.frame(3).Delay, 655350);
    EXPECT_EQ(gif.frame(4).Disposal, 0);
    EXPECT_EQ(gif.frame(4).Delay, 0);
    EXPECT_EQ(gif.frame(4).Transparent, 0);
    EXPECT_EQ(gif.frame(5).Disposal, 2);
    EXPECT_EQ(gif.frame(5).Delay, 10);
}

TEST(GifStreamParse, FrameFirstByteIsItsExtensionOrItsDescriptor) {
    GifStream gif;
    GifWriter writer;
    writer.header("GIF89a", 4, 4, 2);
    const int extension = writer.size();
    writer.graphicControl(1, 1, false, 0);
    const int firstDescriptor = writer.size();
    writer.image(0, 0, 4, 4);
    const int secondDescriptor = writer.size();
    writer.image(0, 0, 4, 4).trailer();
    ASSERT_EQ(parse(gif, writer.bytes()), 2);
    EXPECT_EQ(gif.frame(1).StripX, extension);
    EXPECT_EQ(gif.frame(2).StripX, secondDescriptor);
    EXPECT_EQ(gif.FrameRanges[0].Offset, firstDescriptor);
    EXPECT_EQ(gif.FrameRanges[0].Length, secondDescriptor - firstDescriptor);
    EXPECT_EQ(gif.FrameRanges[1].Offset, secondDescriptor);
    EXPECT_EQ(gif.FrameRanges[1].Length, writer.size() - 1 - secondDescriptor);
}

TEST(GifStreamParse, LoopCountComesFromTheLastNetscapeBlock) {
    GifStream gif;
    parse(gif, oneFrame("GIF89a"));
    EXPECT_EQ(gif.LoopCount, 0);

    const QByteArray twoBlocks = GifWriter()
                                     .header("GIF89a", 4, 4, 2)
                                     .netscape(50)
                                     .netscape(1000, "netscape2.0")
                                     .image(0, 0, 4, 4)
                                     .trailer()
                                     .bytes();
    ASSERT_EQ(parse(gif, twoBlocks), 1);
    EXPECT_EQ(gif.LoopCount, 1000);

    const QByteArray other = GifWriter()
                                 .header("GIF89a", 4, 4, 2)
                                 .netscape(7, "ANIMEXTS1.0")
                                 .image(0, 0, 4, 4)
                                 .trailer()
                                 .bytes();
    ASSERT_EQ(parse(gif, other), 1);
    EXPECT_EQ(gif.LoopCount, 0);
}

TEST(GifStreamParse, NetscapeBlockWithOtherSubBlockIsSkippedWhole) {
    // The sub-block is 5 bytes long, not 3: the walk steps back and skips it as data.
    const QByteArray block("\x21\xFF\x0BNETSCAPE2.0\x05\x02\x10\x00\x00\x00\x00", 21);
    GifStream gif;
    ASSERT_EQ(
        parse(gif,
              GifWriter().header("GIF89a", 4, 4, 2).raw(block).image(0, 0, 4, 4).trailer().bytes()),
        1);
    EXPECT_EQ(gif.LoopCount, 0);
}

TEST(GifStreamParse, StrayZeroBytesAndOtherExtensionsAreSkipped) {
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 4, 4, 2)
                                 .raw(QByteArray(3, '\0'))
                                 .comment("hello")
                                 .image(0, 0, 4, 4)
                                 .raw(QByteArray(2, '\0'))
                                 .image(0, 0, 4, 4)
                                 .trailer()
                                 .bytes();
    EXPECT_EQ(parse(bytes), 2);
}

TEST(GifStreamParse, WalkEndsAtUnknownByteOrEndOfData) {
    const QByteArray noTrailer =
        GifWriter().header("GIF89a", 4, 4, 2).image(0, 0, 4, 4).image(0, 0, 4, 4).bytes();
    EXPECT_EQ(parse(noTrailer), 2);
    const QByteArray junk = GifWriter()
                                .header("GIF89a", 4, 4, 2)
                                .image(0, 0, 4, 4)
                                .raw("\x42")
                                .image(0, 0, 4, 4)
                                .trailer()
                                .bytes();
    EXPECT_EQ(parse(junk), 1);
}

TEST(GifStreamParse, CanvasIsTheFramesExtentNotTheLogicalScreen) {
    GifStream gif;
    const QByteArray beyond = GifWriter()
                                  .header("GIF89a", 10, 10, 2)
                                  .image(5, 2, 10, 3)
                                  .image(1, 8, 2, 20)
                                  .trailer()
                                  .bytes();
    ASSERT_EQ(parse(gif, beyond), 2);
    EXPECT_EQ(gif.CanvasWidth, 15);
    EXPECT_EQ(gif.CanvasHeight, 28);

    const QByteArray smaller =
        GifWriter().header("GIF89a", 500, 400, 2).image(3, 4, 5, 6).trailer().bytes();
    ASSERT_EQ(parse(gif, smaller), 1);
    EXPECT_EQ(gif.CanvasWidth, 8);
    EXPECT_EQ(gif.CanvasHeight, 10);
}

TEST(GifStreamParse, FrameRangeListGrowsByFive) {
    auto frames = [](int n) {
        GifWriter writer;
        writer.header("GIF89a", 2, 2, 1);
        for (int i = 0; i < n; ++i)
            writer.image(0, 0, 2, 2);
        GifStream gif;
        EXPECT_EQ(parse(gif, writer.trailer().bytes()), n);
        return gif.FrameRanges.size();
    };
    EXPECT_EQ(frames(1), 10u);
    EXPECT_EQ(frames(9), 10u);
    EXPECT_EQ(frames(10), 15u);
    EXPECT_EQ(frames(12), 15u);
    EXPECT_EQ(frames(15), 20u);
}

TEST(GifStreamParse, TruncationKeepsTheFramesBeforeTheCut) {
    GifWriter writer;
    writer.header("GIF89a", 20, 20, 2).image(0, 0, 20, 20);
    const int second = writer.size();
    writer.image(0, 0, 20, 20, 4);
    const int full = writer.size();
    const QByteArray bytes = writer.trailer().bytes();

    GifStream gif;
    // Cut inside the image data of frame 2: the frame stays, its range ends at the cut.
    ASSERT_EQ(parse(gif, bytes.left(full - 30)), 2);
    EXPECT_EQ(gif.FrameRanges[1].Offset + gif.FrameRanges[1].Length, full - 30);
    // Cut inside the descriptor or the local table of frame 2.
    EXPECT_EQ(parse(bytes.left(second + 6)), 1);
    EXPECT_EQ(parse(bytes.left(second + 10 + 20)), 1);
    // Cut inside the global table: nothing.
    EXPECT_EQ(parse(bytes.left(15)), 0);
    // The table needs one byte more than its colours.
    EXPECT_EQ(parse(bytes.left(13 + 12)), 0);
}

TEST(GifStreamParse, ClearDropsEverythingButTheBuffer) {
    GifStream gif;
    const QByteArray bytes =
        GifWriter().header("GIF89a", 4, 4, 2).netscape(3).image(0, 0, 4, 4).trailer().bytes();
    ASSERT_EQ(parse(gif, bytes), 1);
    gif.clear();
    EXPECT_EQ(gif.Buffer, bytes);
    EXPECT_TRUE(gif.Frames.empty());
    EXPECT_TRUE(gif.FrameRanges.empty());
    EXPECT_TRUE(gif.ColorTables.empty());
    EXPECT_EQ(gif.CanvasWidth, 0);
    EXPECT_EQ(gif.LoopCount, 0);
}

// A frame header whose data would never be read: only its size matters for the budget.
QByteArray frameHeaderOnly(int count, int width, int height) {
    GifWriter writer;
    writer.header("GIF89a", 1, 1, 1);
    for (int i = 0; i < count; ++i) {
        writer.raw(QByteArray("\x2C\x00\x00\x00\x00", 5));
        writer.raw(QByteArray(1, char(width & 0xFF))).raw(QByteArray(1, char(width >> 8)));
        writer.raw(QByteArray(1, char(height & 0xFF))).raw(QByteArray(1, char(height >> 8)));
        writer.raw(QByteArray("\x00\x08\x02\x00\x01\x00", 6)); // a clear code only
    }
    return writer.trailer().bytes();
}

TEST(GifStreamBudget, OversizedFramesFailTheLoad) {
    GifStream gif;
    EXPECT_EQ(parse(gif, frameHeaderOnly(1, 65535, 65535)), 0);
    EXPECT_TRUE(gif.Frames.empty());
    EXPECT_EQ(parse(frameHeaderOnly(2, 30000, 20000)), 0); // strip of 1.2 GB
    EXPECT_EQ(parse(frameHeaderOnly(1, 30000, 20000)), 1); // 600 MB, no canvas for one frame
    EXPECT_EQ(parse(frameHeaderOnly(60, 1000, 1000)), 60);
}

TEST(GifStreamBudget, CanvasCountsForSeveralFrames) {
    // Two thin frames far apart: small strip, huge canvas.
    const QByteArray bytes = GifWriter()
                                 .header("GIF89a", 1, 1, 1)
                                 .image(0, 0, 1, 1)
                                 .image(60000, 60000, 1, 1)
                                 .trailer()
                                 .bytes();
    EXPECT_EQ(parse(bytes), 0);
    EXPECT_EQ(anigif::CanvasAndMaskBytes(33, 2), 33 * 2 * 4 + 8 * 2);
    EXPECT_EQ(anigif::CanvasAndMaskBytes(0, 100), 0);
    EXPECT_TRUE(anigif::CanvasWithinBudget(16384, 15872, 1048576));
    EXPECT_FALSE(anigif::CanvasWithinBudget(16384, 15872, 1048577));
}
