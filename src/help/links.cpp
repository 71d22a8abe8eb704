#include "help/links.h"

#include "base/globals.h"
#include "base/net.h"

namespace zv::help {

Text versionFileAddress() { return makerSite() + SitePath + "bbxx.txt"; }

Text productPageAddress() { return makerSite() + SitePath + SiteCode + versionText() + ".html"; }

Text contactLink() {
    return "korvane-im://chat/?Uin=80008888&Site=korvane&Menu=yes";
}

void checkForUpdate() {}

void checkForUpdateFromMenu() {
    ManualCheckFlag = 1;
    checkForUpdate();
    ManualCheckFlag = 0;
}

void requestProductPage() {}

void openMakerSite() { openUrl(makerSite()); }

void openContactLink() { openUrl(contactLink()); }

} // namespace zv::help
