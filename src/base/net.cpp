#include "base/net.h"

#include "base/gui.h"

#include <curl/curl.h>

#include <mutex>

namespace zv {

namespace {

struct Transfer {
    Bytes body;
    long long maxBodyBytes = 0;
    bool tooLarge = false;
};

size_t collectBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (transfer->body.size() + (long long)n > transfer->maxBodyBytes) {
        transfer->tooLarge = true;
        return 0; // ends the transfer with an error
    }
    transfer->body.append(data, qsizetype(n));
    return n;
}

void initialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

Bytes fetchUrl(const Text& url) {
    return fetchUrl(url, FetchLimits{});
}

Bytes fetchUrl(const Text& url, const FetchLimits& limits) {
    if (url.isEmpty())
        return {};
    initialiseCurl();
    CURL* curl = curl_easy_init();
    if (!curl)
        return {};
    Transfer transfer;
    transfer.maxBodyBytes = limits.maxBodyBytes;
    const Text address = url; // keeps the bytes alive for the transfer
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Accept: */*");
    headers = curl_slist_append(headers, "Pragma: no-cache");
    headers = curl_slist_append(headers, "Cache-Control: no-cache");

    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    curl_easy_setopt(curl, CURLOPT_PROXY, ""); // direct connection, whatever the environment says
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxBodyBytes));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);

    const CURLcode result = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK || transfer.tooLarge)
        return {};
    return transfer.body;
}

void openUrl(const Text& url) {
    interaction().openUrl(url);
}

} // namespace zv
