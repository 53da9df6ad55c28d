#pragma once

#include <curl/curl.h>

namespace tintabel {

// libcurl, opened the first time a download needs it. Linked in, it and the TLS, Kerberos and
// LDAP libraries behind it would be loaded and set up before the window could show, at every
// start and even when no download is ever made.
struct CurlLibrary {
    decltype(&::curl_url) url;
    decltype(&::curl_url_set) url_set;
    decltype(&::curl_url_get) url_get;
    decltype(&::curl_url_cleanup) url_cleanup;
    decltype(&::curl_free) free;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_info_read) multi_info_read;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_wakeup) multi_wakeup;
    decltype(&::curl_multi_cleanup) multi_cleanup;

    // Opened and initialised once, from whichever thread asks first. Raises Error when the
    // library is not installed, lacks a function or cannot be set up.
    static const CurlLibrary& get();
};

} // namespace tintabel
