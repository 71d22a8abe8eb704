// Network services: a plain synchronous HTTP GET and opening addresses.
#pragma once

#include "base/text.h"

namespace zv {

// Bounds of one request; a silent or hostile host must not hang or flood the program.
struct FetchLimits {
    long connectTimeoutMs = 10'000;
    long totalTimeoutMs = 30'000;
    long long maxBodyBytes = 16LL * 1024 * 1024;
};

// The body of an HTTP/1.0 GET of the address, whatever the status; empty on any failure.
Bytes fetchUrl(const Text& url);
Bytes fetchUrl(const Text& url, const FetchLimits& limits);

// Hands the address to the system's default handler; returns at once.
void openUrl(const Text& url);

} // namespace zv
