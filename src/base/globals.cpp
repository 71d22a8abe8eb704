#include "base/globals.h"

#include "base/number.h"

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

Text deriveInstallationId() {
    return installationIdFor(QSysInfo::machineUniqueId());
}

Text versionText() {
    return toText(ProductVersion);
}

} // namespace zv
