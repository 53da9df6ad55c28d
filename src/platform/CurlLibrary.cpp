#include "platform/CurlLibrary.h"

#include "platform/Errors.h"

#include <dlfcn.h>
#include <string>
#include <variant>

namespace tintabel {

namespace {

constexpr const char* kLibrary = "libcurl.so.4";

template<class Function> void resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function)
        throw Error(std::string("The download library has no ") + name);
}

// The library, or why it cannot be used.
std::variant<CurlLibrary, std::string> open()
{
    // Never closed: libcurl keeps global state for the life of the process.
    void* library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::string("Cannot open the download library: ") + dlerror();
    CurlLibrary curl;
    decltype(&::curl_global_init) globalInit = nullptr;
    try {
        resolve(library, "curl_global_init", globalInit);
        resolve(library, "curl_url", curl.url);
        resolve(library, "curl_url_set", curl.url_set);
        resolve(library, "curl_url_get", curl.url_get);
        resolve(library, "curl_url_cleanup", curl.url_cleanup);
        resolve(library, "curl_free", curl.free);
        resolve(library, "curl_easy_init", curl.easy_init);
        resolve(library, "curl_easy_setopt", curl.easy_setopt);
        resolve(library, "curl_easy_getinfo", curl.easy_getinfo);
        resolve(library, "curl_easy_cleanup", curl.easy_cleanup);
        resolve(library, "curl_multi_init", curl.multi_init);
        resolve(library, "curl_multi_add_handle", curl.multi_add_handle);
        resolve(library, "curl_multi_remove_handle", curl.multi_remove_handle);
        resolve(library, "curl_multi_perform", curl.multi_perform);
        resolve(library, "curl_multi_info_read", curl.multi_info_read);
        resolve(library, "curl_multi_poll", curl.multi_poll);
        resolve(library, "curl_multi_wakeup", curl.multi_wakeup);
        resolve(library, "curl_multi_cleanup", curl.multi_cleanup);
    } catch (const Error& missing) {
        return missing.what();
    }
    if (const CURLcode result = globalInit(CURL_GLOBAL_DEFAULT); result != CURLE_OK)
        return "Cannot set up the download library, code " + std::to_string(result);
    return curl;
}

} // namespace

const CurlLibrary& CurlLibrary::get()
{
    static const std::variant<CurlLibrary, std::string> loaded = open();
    if (const std::string* problem = std::get_if<std::string>(&loaded))
        throw Error(*problem);
    return std::get<CurlLibrary>(loaded);
}

} // namespace tintabel
