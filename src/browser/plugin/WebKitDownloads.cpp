#include "WebKitDownloads.h"

#include "WebKitPage.h"

#include <string>

namespace {

engineplugin::IPageEvents* eventsOf(WebKitDownload* download) {
    WebKitPage* page = WebKitPage::FromView(webkit_download_get_web_view(download));
    return page ? page->Events() : nullptr;
}

std::string destinationPath(WebKitDownload* download) {
    const char* uri = webkit_download_get_destination(download);
    if (!uri)
        return {};
    gchar* path = g_filename_from_uri(uri, nullptr, nullptr);
    std::string result = path ? path : uri;
    g_free(path);
    return result;
}

void setChosen(void* context, const char* text) {
    *static_cast<std::string*>(context) = text ? text : "";
}

gboolean onDecideDestination(WebKitDownload* download, gchar* suggested, gpointer) {
    engineplugin::IPageEvents* events = eventsOf(download);
    std::string chosen;
    const char* url = webkit_uri_request_get_uri(webkit_download_get_request(download));
    if (!events ||
        !events->ChooseDownloadPath(suggested ? suggested : "", url ? url : "", setChosen,
                                    &chosen) ||
        chosen.empty()) {
        webkit_download_cancel(download);
        return TRUE;
    }
    gchar* uri = g_filename_to_uri(chosen.c_str(), nullptr, nullptr);
    if (!uri) {
        webkit_download_cancel(download);
        return TRUE;
    }
    // The user already agreed to replace a file of that name.
    webkit_download_set_allow_overwrite(download, TRUE);
    webkit_download_set_destination(download, uri);
    g_free(uri);
    return TRUE;
}

void onFailed(WebKitDownload* download, GError* error, gpointer) {
    // A download the user cancelled in the save dialog is no failure.
    if (error &&
        g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)) {
        g_object_set_data(G_OBJECT(download), "quorrelin-reported", GINT_TO_POINTER(1));
        return;
    }
    if (engineplugin::IPageEvents* events = eventsOf(download))
        events->DownloadFinished(destinationPath(download).c_str(),
                                 error && error->message ? error->message : "");
    g_object_set_data(G_OBJECT(download), "quorrelin-reported", GINT_TO_POINTER(1));
}

void onFinished(WebKitDownload* download, gpointer) {
    if (g_object_get_data(G_OBJECT(download), "quorrelin-reported"))
        return;
    if (engineplugin::IPageEvents* events = eventsOf(download))
        events->DownloadFinished(destinationPath(download).c_str(), nullptr);
}

void onStarted(WebKitWebContext*, WebKitDownload* download, gpointer) {
    g_signal_connect(download, "decide-destination", G_CALLBACK(onDecideDestination), nullptr);
    g_signal_connect(download, "failed", G_CALLBACK(onFailed), nullptr);
    g_signal_connect(download, "finished", G_CALLBACK(onFinished), nullptr);
}

} // namespace

void WatchDownloads(WebKitWebContext* context) {
    g_signal_connect(context, "download-started", G_CALLBACK(onStarted), nullptr);
}
