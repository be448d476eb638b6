#include "pathwell/platform/linux/desktop_application.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <memory>

namespace vortalis::pathwell {
namespace {

struct ObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct TextRelease {
    void operator()(gchar* text) const { g_free(text); }
};
template <typename T>
using Object = std::unique_ptr<T, ObjectRelease>;
using Text = std::unique_ptr<gchar, TextRelease>;

// Errors are dropped: a missing application is not something to report.
Object<GAppInfo> DefaultApplicationFor(GFile* file) {
    return Object<GAppInfo>(g_file_query_default_handler(file, nullptr, nullptr));
}

// Runs in the child before it executes the application: it leaves
// Pathwell's session and process group, as a program started from the
// desktop would, so that nothing sent to Pathwell's group reaches it.
void LeaveSession(gpointer) { setsid(); }

}  // namespace

std::string DefaultApplicationProgram(const std::string& path) {
    const Object<GFile> file(g_file_new_for_path(path.c_str()));
    const Object<GAppInfo> application = DefaultApplicationFor(file.get());
    if (!application) return {};
    const char* executable = g_app_info_get_executable(application.get());
    if (executable == nullptr || *executable == '\0') return {};
    const Text found(g_find_program_in_path(executable));
    return found ? std::string(found.get()) : std::string(executable);
}

bool LaunchDefaultApplication(const std::string& path) {
    const Object<GFile> file(g_file_new_for_path(path.c_str()));
    const Object<GAppInfo> application = DefaultApplicationFor(file.get());
    if (!application || !G_IS_DESKTOP_APP_INFO(application.get())) return false;
    Text uri(g_file_get_uri(file.get()));
    GList uris{uri.get(), nullptr, nullptr};
    return g_desktop_app_info_launch_uris_as_manager(G_DESKTOP_APP_INFO(application.get()), &uris,
                                                     nullptr, G_SPAWN_SEARCH_PATH, LeaveSession,
                                                     nullptr, nullptr, nullptr, nullptr) != FALSE;
}

}  // namespace vortalis::pathwell
