// The built-in addresses of the maker's site and of the results service,
// fixed when the program is built.
#include "base/globals.h"
#include "zanvelo_config.h"

namespace zv {

namespace {
Text& makerSiteOverride() {
    static Text address;
    return address;
}
Text& resultsServiceOverride() {
    static Text address;
    return address;
}
} // namespace

Text makerSite() {
    return makerSiteOverride().isEmpty() ? Text(ZANVELO_MAKER_SITE) : makerSiteOverride();
}

Text resultsService() {
    return resultsServiceOverride().isEmpty() ? Text(ZANVELO_RESULTS_SERVICE)
                                              : resultsServiceOverride();
}

void overrideMakerSite(const Text& address) {
    makerSiteOverride() = address;
}

void overrideResultsService(const Text& address) {
    resultsServiceOverride() = address;
}

} // namespace zv
