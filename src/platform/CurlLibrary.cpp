#include "platform/CurlLibrary.h"

#include <QLoggingCategory>

#include <dlfcn.h>

namespace tintabel {

namespace {

// The update check's category: the only downloads are its own, and their failures are silent.
Q_LOGGING_CATEGORY(logCurl, "tintabel.update")

constexpr const char* kLibrary = "libcurl.so.4";

template<class Function> bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        qCWarning(logCurl) << "The download library has no" << name;
    return function != nullptr;
}

const CurlLibrary* open()
{
    // Never closed: libcurl keeps global state for the life of the process.
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        qCWarning(logCurl) << "Cannot open the download library:" << dlerror();
        return nullptr;
    }
    static CurlLibrary curl;
    decltype(&::curl_global_init) globalInit = nullptr;
    const bool complete = resolve(library, "curl_global_init", globalInit)
        && resolve(library, "curl_url", curl.url) && resolve(library, "curl_url_set", curl.url_set)
        && resolve(library, "curl_url_get", curl.url_get)
        && resolve(library, "curl_url_cleanup", curl.url_cleanup)
        && resolve(library, "curl_free", curl.free)
        && resolve(library, "curl_easy_init", curl.easy_init)
        && resolve(library, "curl_easy_setopt", curl.easy_setopt)
        && resolve(library, "curl_easy_getinfo", curl.easy_getinfo)
        && resolve(library, "curl_easy_cleanup", curl.easy_cleanup)
        && resolve(library, "curl_multi_init", curl.multi_init)
        && resolve(library, "curl_multi_add_handle", curl.multi_add_handle)
        && resolve(library, "curl_multi_remove_handle", curl.multi_remove_handle)
        && resolve(library, "curl_multi_perform", curl.multi_perform)
        && resolve(library, "curl_multi_info_read", curl.multi_info_read)
        && resolve(library, "curl_multi_poll", curl.multi_poll)
        && resolve(library, "curl_multi_wakeup", curl.multi_wakeup)
        && resolve(library, "curl_multi_cleanup", curl.multi_cleanup);
    if (!complete)
        return nullptr;
    if (const CURLcode result = globalInit(CURL_GLOBAL_DEFAULT); result != CURLE_OK) {
        qCWarning(logCurl) << "Cannot set up the download library, code" << result;
        return nullptr;
    }
    return &curl;
}

} // namespace

const CurlLibrary* CurlLibrary::get()
{
    static const CurlLibrary* const library = open();
    return library;
}

} // namespace tintabel
