// The demo pictures drawn at most once a minute and served from memory, while pages are written
// for each request; over HTTP and at the routing level.
#include "ServiceFixture.h"
#include "ServiceRoutes.h"

using namespace catalogueservice;

namespace {

const QDateTime kMinute(QDate(2024, 12, 8), QTime(10, 15, 0));

} // namespace

TEST(PictureMemory, EachPictureIsDrawnOncePerMinuteAndPagesEveryTime) {
    const Catalogue demo = DemoCatalogue();
    ServiceMemory memory;
    for (const char* path : {"/demo/satellite.jpg", "/demo/radar.gif", "/demo/RADAR.GIF",
                             "/demo/series/frame_002.jpg", "/demo/station.gif"}) {
        const int before = memory.pictures.made();
        ServiceRequest request{
            "GET", QLatin1String(path), {}, "http://127.0.0.1:1", kMinute.addSecs(5)};
        const ServiceResponse first = Route(demo, request, &memory);
        ASSERT_EQ(first.status, 200) << path;
        // Drawn anew the clock would show 10:15:50 in it.
        request.when = kMinute.addSecs(50);
        EXPECT_EQ(Route(demo, request, &memory).body, first.body) << path;
        EXPECT_EQ(memory.pictures.made(), before + 1) << path;
        request.when = kMinute.addSecs(60);
        EXPECT_NE(Route(demo, request, &memory).body, first.body) << path;
        EXPECT_EQ(memory.pictures.made(), before + 2) << path;
    }
    // A page holds the town asked for and the address the client reached: never kept.
    ServiceRequest page{"GET", "/demo/forecast.html", "town=Roma", "http://h:1", kMinute};
    const QByteArray roma = Route(demo, page, &memory).body;
    page.rawQuery = "town=Bari";
    const QByteArray bari = Route(demo, page, &memory).body;
    EXPECT_TRUE(roma.contains("Roma"));
    EXPECT_TRUE(bari.contains("Bari"));
}

TEST(PictureMemory, NothingEmptyIsKept) {
    PictureCache cache;
    int calls = 0;
    const auto failing = [&calls] {
        ++calls;
        return ServedContent{};
    };
    EXPECT_TRUE(cache.get("a", kMinute, failing).body.isEmpty());
    EXPECT_TRUE(cache.get("a", kMinute, failing).body.isEmpty());
    EXPECT_EQ(calls, 2);
    const auto working = [] { return ServedContent{"GIF89a", "image/gif"}; };
    EXPECT_EQ(cache.get("a", kMinute, working).body, "GIF89a");
    EXPECT_EQ(cache.get("a", kMinute.addSecs(30), failing).body, "GIF89a");
    EXPECT_EQ(calls, 2);
}

TEST_F(ServiceFixture, ManyScreensInOneMinuteShareOneDrawingOfEachPicture) {
    QDateTime now = kMinute.addSecs(10);
    server_->setClock([&now] { return now; });
    const QByteArray radar = get("/demo/radar.gif").body;
    ASSERT_FALSE(radar.isEmpty());
    for (int screen = 0; screen < 5; ++screen)
        EXPECT_EQ(get("/demo/radar.gif").body, radar) << screen;
    EXPECT_EQ(server_->memory().pictures.made(), 1);
    now = now.addSecs(60);
    EXPECT_NE(get("/demo/radar.gif").body, radar);
    EXPECT_EQ(server_->memory().pictures.made(), 2);
}
