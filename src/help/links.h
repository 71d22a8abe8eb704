// The version check, the product page and the links to the maker's site.
#pragma once

#include "base/text.h"

namespace zv::help {

// What a version text announces.
struct VersionNotice {
    bool newer = false; // a version above ProductVersion follows the marker
    float announced = 0.0f;
    Text downloadLink;       // the last "http://" address to the end, trailing white space cut
    bool linkUsable = false; // a well-formed http:// address
};
// Reads a version text: the marker ProductName + "v" (any ASCII case), the
// three bytes after it as a number; the download link. A text without the
// marker announces nothing.
VersionNotice readVersionText(const Text& versionText);
// True for a well-formed http:// address: printable ASCII with a host.
bool isHttpAddress(const Text& address);

// Parses VersionText and offers a newer version; with ManualCheckFlag 1 also
// says when the version is the newest.
void checkForUpdate();
// The menu items "检查更新" and "软件升级".
void checkForUpdateFromMenu();
// Asks for the product page of this version in the background and drops the answer.
void requestProductPage();
// Opens the maker's home page.
void openMakerSite();
// Opens the maker's instant-messaging contact link.
void openContactLink();

Text versionFileAddress();
Text productPageAddress();
Text contactLink();

} // namespace zv::help
