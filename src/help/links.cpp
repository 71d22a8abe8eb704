#include "help/links.h"

#include "base/globals.h"
#include "base/gui.h"
#include "base/net.h"
#include "base/number.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QUrl>

namespace zv::help {

Text versionFileAddress() {
    return makerSite() + SitePath + "bbxx.txt";
}

Text productPageAddress() {
    return makerSite() + SitePath + SiteCode + versionText() + ".html";
}

Text contactLink() {
    return "korvane-im://chat/?Uin=80008888&Site=korvane&Menu=yes";
}

bool isHttpAddress(const Text& address) {
    if (!address.toLower().startsWith("http://"))
        return false;
    // An address is printable ASCII: no white space, controls or raw bytes of
    // other characters.
    for (char c : address)
        if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return false;
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    return url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty();
}

VersionNotice readVersionText(const Text& v) {
    VersionNotice notice;
    const Text marker = ProductName + "v";
    const int m = findText(v, marker, 1, true);
    if (m < 0)
        return notice;
    notice.announced = toFloat(textMid(v, m + textLength(marker), 3));
    notice.newer = notice.announced > ProductVersion;
    const int l = findTextReverse(v, "http://", WholeText, true);
    if (l > 0) {
        // To the end of the text, less the white space that follows the address.
        notice.downloadLink = textRight(v, textLength(v) - l + 1).trimmed();
        notice.linkUsable = isHttpAddress(notice.downloadLink);
    }
    return notice;
}

void checkForUpdate() {
    const VersionNotice notice = readVersionText(VersionText);
    if (notice.newer) {
        const int answer = messageBox(VersionText + "\r\n\r\n" + gbk("是否更新？"),
                                      MbYesNo | MbIconInformation, gbk("检测到新版本："));
        if (answer == AnswerYes) {
            if (notice.linkUsable)
                openUrl(notice.downloadLink);
            openUrl(makerSite());
        }
    } else if (ManualCheckFlag == 1) {
        messageBox("\"" + ProductName + "v" + versionText() + "\" " +
                       gbk("已是最新版本，不需要升级。"),
                   MbIconInformation, gbk("软件更新："));
    }
}

void checkForUpdateFromMenu() {
    ManualCheckFlag = 1;
    checkForUpdate();
    ManualCheckFlag = 0;
}

void requestProductPage() {
    // A plain GET on the event loop; nothing waits for it or reads it.
    static QNetworkAccessManager* manager = nullptr;
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        manager->setProxy(QNetworkProxy::NoProxy);
        manager->setTransferTimeout(30'000);
    }
    QNetworkRequest request(QUrl::fromEncoded(productPageAddress()));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = manager->get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

void openMakerSite() {
    openUrl(makerSite());
}

void openContactLink() {
    openUrl(contactLink());
}

} // namespace zv::help
