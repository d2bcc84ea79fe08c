#include "WebKitPage.h"

#include <gdk/gdkx.h>
#include <gtk/gtkx.h>

#include <cstring>

namespace {

const char* orEmpty(const char* text) {
    return text ? text : "";
}

struct DataRequest {
    engineplugin::DataCallback done;
    void* context;
};

void finishScript(GObject* source, GAsyncResult* result, gpointer data) {
    auto* request = static_cast<DataRequest*>(data);
    GError* error = nullptr;
    JSCValue* value =
        webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, &error);
    if (value) {
        gchar* text = jsc_value_to_string(value);
        if (request->done)
            request->done(request->context, orEmpty(text), std::strlen(orEmpty(text)), true);
        g_free(text);
        g_object_unref(value);
    } else {
        if (request->done)
            request->done(request->context, "", 0, false);
        g_clear_error(&error);
    }
    delete request;
}

void finishSource(GObject* source, GAsyncResult* result, gpointer data) {
    auto* request = static_cast<DataRequest*>(data);
    gsize length = 0;
    GError* error = nullptr;
    guchar* bytes =
        webkit_web_resource_get_data_finish(WEBKIT_WEB_RESOURCE(source), result, &length, &error);
    if (request->done)
        request->done(request->context, bytes ? reinterpret_cast<const char*>(bytes) : "",
                      bytes ? length : 0, bytes != nullptr);
    g_free(bytes);
    g_clear_error(&error);
    delete request;
}

// Where a view keeps the page it belongs to.
constexpr char kPageKey[] = "quorrelin-page";

gboolean destroyLater(gpointer plug) {
    gtk_widget_destroy(GTK_WIDGET(plug));
    g_object_unref(plug);
    return G_SOURCE_REMOVE;
}

} // namespace

WebKitPage::WebKitPage(GtkWidget* plug, WebKitWebView* view) : plug_(plug), view_(view) {}

WebKitPage* WebKitPage::Create(WebKitPage* related) {
    GtkWidget* view = related ? GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view",
                                                        related->view_, nullptr))
                              : webkit_web_view_new();
    // Whether a page's script may open a window is the program's decision
    // (its popup rules), not the engine's.
    webkit_settings_set_javascript_can_open_windows_automatically(
        webkit_web_view_get_settings(WEBKIT_WEB_VIEW(view)), TRUE);
    GtkWidget* plug = gtk_plug_new(0);
    gtk_container_add(GTK_CONTAINER(plug), view);
    gtk_widget_show_all(plug);
    auto* page = new WebKitPage(plug, WEBKIT_WEB_VIEW(view));
    page->Connect();
    return page;
}

WebKitPage* WebKitPage::FromView(WebKitWebView* view) {
    return view ? static_cast<WebKitPage*>(g_object_get_data(G_OBJECT(view), kPageKey)) : nullptr;
}

void WebKitPage::Connect() {
    g_object_set_data(G_OBJECT(view_), kPageKey, this);
    g_signal_connect(view_, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(view_, "load-changed", G_CALLBACK(OnLoadChanged), this);
    g_signal_connect(view_, "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(view_, "notify::uri", G_CALLBACK(OnUri), this);
    g_signal_connect(view_, "notify::title", G_CALLBACK(OnTitle), this);
    g_signal_connect(view_, "notify::estimated-load-progress", G_CALLBACK(OnProgress), this);
    g_signal_connect(view_, "mouse-target-changed", G_CALLBACK(OnMouseTarget), this);
    g_signal_connect(view_, "create", G_CALLBACK(OnCreate), this);
    g_signal_connect(view_, "close", G_CALLBACK(OnClose), this);
    g_signal_connect(view_, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(view_, "script-dialog", G_CALLBACK(OnScriptDialog), this);
}

void WebKitPage::Destroy() {
    events_ = nullptr;
    g_object_set_data(G_OBJECT(view_), kPageKey, nullptr);
    g_signal_handlers_disconnect_by_data(view_, this);
    webkit_web_view_stop_loading(view_);
    // A signal of this page may be on the call stack: the window goes when
    // the main loop comes back.
    gtk_widget_hide(plug_);
    g_idle_add(destroyLater, g_object_ref(plug_));
    delete this;
}

std::uint64_t WebKitPage::WindowId() {
    return gtk_plug_get_id(GTK_PLUG(plug_));
}

void WebKitPage::Focus() {
    GdkWindow* window = gtk_widget_get_window(plug_);
    if (!window || !gtk_widget_get_mapped(plug_))
        return;
    GdkDisplay* display = gdk_window_get_display(window);
    gdk_x11_display_error_trap_push(display);
    XSetInputFocus(gdk_x11_display_get_xdisplay(display), gdk_x11_window_get_xid(window),
                   RevertToParent, CurrentTime);
    gdk_x11_display_error_trap_pop_ignored(display);
    gtk_widget_grab_focus(GTK_WIDGET(view_));
}

void WebKitPage::Load(const char* url) {
    webkit_web_view_load_uri(view_, url);
}

const char* WebKitPage::Address() {
    address_ = orEmpty(webkit_web_view_get_uri(view_));
    return address_.c_str();
}

const char* WebKitPage::Title() {
    title_ = orEmpty(webkit_web_view_get_title(view_));
    return title_.c_str();
}

void WebKitPage::SetContent(bool images, bool scripts, bool media) {
    WebKitSettings* settings = webkit_web_view_get_settings(view_);
    webkit_settings_set_auto_load_images(settings, images);
    webkit_settings_set_enable_javascript(settings, scripts);
    webkit_settings_set_enable_media(settings, media);
}

void WebKitPage::EditCommand(const char* command) {
    if (std::strcmp(command, "Cut") == 0)
        webkit_web_view_execute_editing_command(view_, WEBKIT_EDITING_COMMAND_CUT);
    else if (std::strcmp(command, "Copy") == 0)
        webkit_web_view_execute_editing_command(view_, WEBKIT_EDITING_COMMAND_COPY);
    else if (std::strcmp(command, "Paste") == 0)
        webkit_web_view_execute_editing_command(view_, WEBKIT_EDITING_COMMAND_PASTE);
    else if (std::strcmp(command, "SelectAll") == 0)
        webkit_web_view_execute_editing_command(view_, WEBKIT_EDITING_COMMAND_SELECT_ALL);
}

void WebKitPage::Find(const char* text) {
    WebKitFindController* find = webkit_web_view_get_find_controller(view_);
    webkit_find_controller_search(
        find, text, WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE | WEBKIT_FIND_OPTIONS_WRAP_AROUND,
        G_MAXUINT);
}

void WebKitPage::RunScript(const char* script, engineplugin::DataCallback done, void* context) {
    webkit_web_view_evaluate_javascript(view_, script, -1, nullptr, nullptr, nullptr, finishScript,
                                        new DataRequest{done, context});
}

void WebKitPage::FetchSource(engineplugin::DataCallback done, void* context) {
    WebKitWebResource* resource = webkit_web_view_get_main_resource(view_);
    if (!resource) {
        if (done)
            done(context, "", 0, false);
        return;
    }
    webkit_web_resource_get_data(resource, nullptr, finishSource, new DataRequest{done, context});
}

namespace {

struct PrintWait {
    engineplugin::DataCallback done;
    void* context;
    bool failed = false;
    std::string error;
};

void printFailed(WebKitPrintOperation*, GError* error, gpointer data) {
    auto* wait = static_cast<PrintWait*>(data);
    wait->failed = true;
    wait->error = error && error->message ? error->message : "";
}

void printFinished(WebKitPrintOperation* operation, gpointer data) {
    auto* wait = static_cast<PrintWait*>(data);
    if (wait->done)
        wait->done(wait->context, wait->error.c_str(), wait->error.size(), !wait->failed);
    delete wait;
    g_object_unref(operation);
}

GtkPageSetup* pageSetupFor(const engineplugin::PrintJob& job) {
    GtkPageSetup* setup = gtk_page_setup_new();
    if (job.paperWidth > 0 && job.paperHeight > 0) {
        GtkPaperSize* paper = gtk_paper_size_new_custom("quorrelin-paper", "Paper", job.paperWidth,
                                                        job.paperHeight, GTK_UNIT_MM);
        gtk_page_setup_set_paper_size(setup, paper);
        gtk_paper_size_free(paper);
    }
    gtk_page_setup_set_orientation(setup, job.landscape ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                                        : GTK_PAGE_ORIENTATION_PORTRAIT);
    if (job.marginLeft >= 0)
        gtk_page_setup_set_left_margin(setup, job.marginLeft, GTK_UNIT_MM);
    if (job.marginTop >= 0)
        gtk_page_setup_set_top_margin(setup, job.marginTop, GTK_UNIT_MM);
    if (job.marginRight >= 0)
        gtk_page_setup_set_right_margin(setup, job.marginRight, GTK_UNIT_MM);
    if (job.marginBottom >= 0)
        gtk_page_setup_set_bottom_margin(setup, job.marginBottom, GTK_UNIT_MM);
    return setup;
}

} // namespace

bool WebKitPage::Print(const engineplugin::PrintJob& job, engineplugin::DataCallback done,
                       void* context) {
    GtkPrintSettings* settings = gtk_print_settings_new();
    if (job.output && *job.output) {
        gchar* uri = g_filename_to_uri(job.output, nullptr, nullptr);
        if (!uri) {
            g_object_unref(settings);
            return false;
        }
        gtk_print_settings_set_printer(settings, "Print to File");
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
        gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
        g_free(uri);
    } else if (job.printer && *job.printer) {
        gtk_print_settings_set_printer(settings, job.printer);
    }
    gtk_print_settings_set_n_copies(settings, job.copies > 0 ? job.copies : 1);
    WebKitPrintOperation* operation = webkit_print_operation_new(view_);
    webkit_print_operation_set_print_settings(operation, settings);
    g_object_unref(settings);
    GtkPageSetup* setup = pageSetupFor(job);
    webkit_print_operation_set_page_setup(operation, setup);
    g_object_unref(setup);
    // The operation keeps itself until it has finished.
    auto* wait = new PrintWait{done, context};
    g_signal_connect(operation, "failed", G_CALLBACK(printFailed), wait);
    g_signal_connect(operation, "finished", G_CALLBACK(printFinished), wait);
    webkit_print_operation_print(operation);
    return true;
}

const char* WebKitPage::UserAgent() {
    return orEmpty(webkit_settings_get_user_agent(webkit_web_view_get_settings(view_)));
}

// ---------------------------------------------------------------------------
// Signals

gboolean WebKitPage::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                    WebKitPolicyDecisionType type, WebKitPage* self) {
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
        // A document the engine cannot show (an archive, a program) is a
        // file to save, not an empty page.
        auto* response = WEBKIT_RESPONSE_POLICY_DECISION(decision);
        if (webkit_response_policy_decision_is_main_frame_main_resource(response) &&
            !webkit_response_policy_decision_is_mime_type_supported(response)) {
            webkit_policy_decision_download(decision);
            return TRUE;
        }
        return FALSE;
    }
    if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION || !self->events_)
        return FALSE;
    WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const char* url = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    const char* frame = webkit_navigation_action_get_frame_name(action);
    if (self->events_->DecideNavigation(orEmpty(url), frame))
        return FALSE;
    webkit_policy_decision_ignore(decision);
    return TRUE;
}

void WebKitPage::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, WebKitPage* self) {
    const char* url = orEmpty(webkit_web_view_get_uri(view));
    switch (event) {
    case WEBKIT_LOAD_STARTED:
        self->loadFailed_ = false;
        self->stopped_ = false;
        if (self->events_)
            self->events_->LoadStarted(url);
        break;
    case WEBKIT_LOAD_COMMITTED:
        if (self->events_)
            self->events_->LoadCommitted(url);
        break;
    case WEBKIT_LOAD_FINISHED:
        if (self->events_)
            self->events_->LoadFinished(url, self->loadFailed_, self->stopped_);
        break;
    default:
        break;
    }
}

gboolean WebKitPage::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error,
                                  WebKitPage* self) {
    self->loadFailed_ = true;
    if (g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
        g_error_matches(error, WEBKIT_POLICY_ERROR,
                        WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE))
        self->stopped_ = true;
    return FALSE; // other failures show WebKit's error page
}

void WebKitPage::OnUri(WebKitWebView* view, GParamSpec*, WebKitPage* self) {
    if (self->events_)
        self->events_->AddressChanged(orEmpty(webkit_web_view_get_uri(view)));
}

void WebKitPage::OnTitle(WebKitWebView* view, GParamSpec*, WebKitPage* self) {
    if (self->events_)
        self->events_->TitleChanged(orEmpty(webkit_web_view_get_title(view)));
}

void WebKitPage::OnProgress(WebKitWebView* view, GParamSpec*, WebKitPage* self) {
    if (self->events_)
        self->events_->ProgressChanged(webkit_web_view_get_estimated_load_progress(view));
}

void WebKitPage::OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, WebKitPage* self) {
    self->overScrollbar_ = webkit_hit_test_result_context_is_scrollbar(hit);
    const std::string link = webkit_hit_test_result_context_is_link(hit)
                                 ? orEmpty(webkit_hit_test_result_get_link_uri(hit))
                                 : std::string();
    if (link == self->hoveredLink_)
        return;
    self->hoveredLink_ = link;
    if (self->events_)
        self->events_->LinkHovered(link.c_str());
}

GtkWidget* WebKitPage::OnCreate(WebKitWebView*, WebKitNavigationAction*, WebKitPage* self) {
    engineplugin::IPage* made = self->events_ ? self->events_->CreateWindow() : nullptr;
    return made ? GTK_WIDGET(static_cast<WebKitPage*>(made)->view_) : nullptr;
}

void WebKitPage::OnClose(WebKitWebView*, WebKitPage* self) {
    if (self->events_)
        self->events_->CloseRequested();
}

gboolean WebKitPage::OnButtonPress(GtkWidget*, GdkEventButton* event, WebKitPage* self) {
    if (event->type != GDK_BUTTON_PRESS)
        return FALSE;
    self->Focus();
    if (!self->events_)
        return FALSE;
    return self->events_->ButtonPressed(static_cast<int>(event->x), static_cast<int>(event->y),
                                        static_cast<int>(event->button), !self->overScrollbar_);
}

gboolean WebKitPage::OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, WebKitPage* self) {
    if (!self->events_)
        return FALSE;
    const WebKitScriptDialogType type = webkit_script_dialog_get_dialog_type(dialog);
    const int kind = type == WEBKIT_SCRIPT_DIALOG_ALERT    ? 0
                     : type == WEBKIT_SCRIPT_DIALOG_PROMPT ? 2
                                                           : 1;
    const char* defaultText =
        kind == 2 ? orEmpty(webkit_script_dialog_prompt_get_default_text(dialog)) : "";
    const bool ok = self->events_->ScriptDialog(
        kind, orEmpty(webkit_script_dialog_get_message(dialog)), defaultText,
        [](void* context, const char* text) {
            webkit_script_dialog_prompt_set_text(static_cast<WebKitScriptDialog*>(context), text);
        },
        dialog);
    if (kind == 1)
        webkit_script_dialog_confirm_set_confirmed(dialog, ok);
    return TRUE;
}
