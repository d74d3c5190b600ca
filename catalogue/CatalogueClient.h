#pragma once
// The catalogue service client: one request at a time over Inet1, replies cut into items.

#include "base/VbTypes.h"

#include <QString>
#include <QStringList>
#include <functional>

struct AppState;
class ConfigFiles;
class PictureFetcher;
namespace platform {
class HttpControl;
struct Platform;
} // namespace platform

class CatalogueClient {
public:
    // What the last LoadCatalogue got of the lists it asked for.
    enum class Load {
        NotRequested, // it stopped before asking (no selection, no configuration)
        Arrived,      // every list it asked for
        Failed,       // a list it asked for did not come
    };

    // Requests go through `Inet1`; the window hands its completion event to Inet1_StateChanged.
    // A full catalogue is handed to `FillPictureList` (the panel's list).
    CatalogueClient(AppState& state, platform::Platform& platform, platform::HttpControl& Inet1,
                    ConfigFiles& configFiles, PictureFetcher& pictureFetcher,
                    std::function<void()> FillPictureList = {})
        : state_(state), platform_(platform), Inet1_(Inet1), configFiles_(configFiles),
          pictureFetcher_(pictureFetcher), FillPictureList_(std::move(FillPictureList)) {}

    // Sends one request and fills the list of `mode` from its reply. False for an error reply,
    // a failed or timed-out request, or while another request is still outstanding.
    bool CatalogueRequest(const QString& address, Integer mode);
    void LoadCatalogue(Integer mode);
    Load lastLoad() const { return lastLoad_; }
    // Asks for the service's message to the user (into userMessage).
    bool RequestUserMessage();
    static QString NameAfterLastSlash(const QString& s);
    // The state-change event of Inet1.
    void Inet1_StateChanged(int state);

    // True while a request waits for its reply.
    bool requestOutstanding() const { return outstanding_; }
    // Time the wait for one reply may take beyond Inet1's own request time-out, for a
    // completion event that never comes (e.g. a request cancelled by someone else).
    static constexpr int kCompletionGraceMs = 5000;

private:
    // endpointBase + selector part + "&x00=y3333" + versionText.
    QString requestAddress(const QString& selectorPart) const;
    // Waits for the completion event; false when it failed or never came.
    bool waitForReply();
    void fillList(Integer mode, const QStringList& items);

    AppState& state_;
    platform::Platform& platform_;
    platform::HttpControl& Inet1_;
    ConfigFiles& configFiles_;
    PictureFetcher& pictureFetcher_;
    std::function<void()> FillPictureList_;
    Load lastLoad_ = Load::NotRequested;
    bool outstanding_ = false;
    bool replyFailed_ = false;
};
