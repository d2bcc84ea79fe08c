#pragma once

#include "browser/engine/EnginePluginAbi.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <string>

// One WebKitGTK page in a GtkPlug (an X window the program embeds). Turns
// WebKit's signals into the plug-in interface's page events.
class WebKitPage final : public engineplugin::IPage {
public:
    // A page; related (may be null) is the page it is a new window of.
    static WebKitPage* Create(WebKitPage* related);
    // The page a view of this plug-in belongs to; null for any other view
    // and once the page is destroyed.
    static WebKitPage* FromView(WebKitWebView* view);
    // Where the page's events go (null when nowhere).
    engineplugin::IPageEvents* Events() const { return events_; }

    void Destroy() override;
    void SetEvents(engineplugin::IPageEvents* events) override { events_ = events; }
    std::uint64_t WindowId() override;
    void Focus() override;

    void Load(const char* url) override;
    void GoBack() override { webkit_web_view_go_back(view_); }
    void GoForward() override { webkit_web_view_go_forward(view_); }
    void Reload() override { webkit_web_view_reload(view_); }
    void Stop() override { webkit_web_view_stop_loading(view_); }
    bool CanGoBack() override { return webkit_web_view_can_go_back(view_); }
    bool CanGoForward() override { return webkit_web_view_can_go_forward(view_); }
    bool Loading() override { return webkit_web_view_is_loading(view_); }
    const char* Address() override;
    const char* Title() override;

    void SetZoom(double factor) override { webkit_web_view_set_zoom_level(view_, factor); }
    void SetContent(bool images, bool scripts, bool media) override;
    void EditCommand(const char* command) override;
    void Find(const char* text) override;
    void RunScript(const char* script, engineplugin::DataCallback done, void* context) override;
    void FetchSource(engineplugin::DataCallback done, void* context) override;
    bool Print(const engineplugin::PrintJob& job, engineplugin::DataCallback done,
               void* context) override;
    const char* UserAgent() override;

private:
    WebKitPage(GtkWidget* plug, WebKitWebView* view);
    ~WebKitPage() = default;
    void Connect();

    static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, WebKitPage* self);
    static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, WebKitPage* self);
    static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                                 WebKitPage* self);
    static void OnUri(WebKitWebView*, GParamSpec*, WebKitPage* self);
    static void OnTitle(WebKitWebView*, GParamSpec*, WebKitPage* self);
    static void OnProgress(WebKitWebView*, GParamSpec*, WebKitPage* self);
    static void OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, WebKitPage* self);
    static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction*, WebKitPage* self);
    static void OnClose(WebKitWebView*, WebKitPage* self);
    static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, WebKitPage* self);
    static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, WebKitPage* self);

    GtkWidget* plug_;
    WebKitWebView* view_;
    engineplugin::IPageEvents* events_ = nullptr;
    std::string address_;
    std::string title_;
    std::string hoveredLink_;
    bool overScrollbar_ = false;
    bool loadFailed_ = false;
    bool stopped_ = false;
};
