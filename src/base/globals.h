// The program globals and the program's built-in constants. Every layer may
// read them; the start-up sequence sets them and the end of the program
// releases them.
#pragma once

#include "base/text.h"

namespace zv {

extern float ProductVersion;
extern Text ProductName;
extern Text SiteCode;
extern Text SitePath;
extern Text InstallationId;
extern Text DataFileExtension;
extern Text VersionText;
extern int ManualCheckFlag;

// Base addresses of the maker's web site and of the lottery-results service,
// without a trailing slash (fixed when the program is built).
Text makerSite();
Text resultsService();
// Points the two addresses elsewhere while the program runs (tests against a
// server on loopback); an empty text brings back the built-in one.
void overrideMakerSite(const Text& address);
void overrideResultsService(const Text& address);

// Sets the values that start-up gives the product globals (name, version, site).
void setProductGlobals();
// Empties every global.
void releaseGlobals();

// The installation's identifier: the first 32 hexadecimal digits, upper case,
// of SHA-256("Zanvelo" + the machine's unique id), or of "Zanvelo" alone when
// the system reports no id.
Text deriveInstallationId();
Text installationIdFor(const QByteArray& machineId);

// The version as text (3.2).
Text versionText();

} // namespace zv
