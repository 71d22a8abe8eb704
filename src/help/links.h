// The version check, the product page and the links to the maker's site.
#pragma once

#include "base/text.h"

namespace zv::help {

// Parses VersionText and offers a newer version (ManualCheckFlag says who asked).
void checkForUpdate();
// The menu items "检查更新" and "软件升级".
void checkForUpdateFromMenu();
// Asks for the product page of this version, without waiting for it.
void requestProductPage();
// Opens the maker's home page.
void openMakerSite();
// Opens the maker's instant-messaging contact link.
void openContactLink();

Text versionFileAddress();
Text productPageAddress();
Text contactLink();

} // namespace zv::help
