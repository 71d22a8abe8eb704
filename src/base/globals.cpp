#include "base/globals.h"

#include "base/number.h"
#include "zanvelo_config.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace zv {

float ProductVersion = 0.0f;
Text ProductName;
Text SiteCode;
Text SitePath;
Text InstallationId;
Text DataFileExtension;
Text VersionText;
int ManualCheckFlag = 0;

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

void overrideMakerSite(const Text& address) { makerSiteOverride() = address; }

void overrideResultsService(const Text& address) { resultsServiceOverride() = address; }

void setProductGlobals() {
    ProductVersion = 3.2f;
    ProductName = "Zanvelo";
    SiteCode = "qbtrwmex";
    SitePath = "/soft/qbtrwmex/";
}

void releaseGlobals() {
    ProductVersion = 0.0f;
    ProductName.clear();
    SiteCode.clear();
    SitePath.clear();
    InstallationId.clear();
    DataFileExtension.clear();
    VersionText.clear();
    ManualCheckFlag = 0;
}

Text installationIdFor(const QByteArray& machineId) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray("Zanvelo") + machineId, QCryptographicHash::Sha256);
    return digest.toHex().toUpper().left(32);
}

Text deriveInstallationId() { return installationIdFor(QSysInfo::machineUniqueId()); }

Text versionText() { return toText(ProductVersion); }

} // namespace zv
