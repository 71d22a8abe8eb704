// Arbitrary bytes as the version file: the check never crashes, offers only
// a version above 3.2, and opens nothing but the maker's home page and
// well-formed http:// addresses.
#include "base/globals.h"
#include "base/gui.h"
#include "help/links.h"

#include <cstdint>
#include <cstdlib>

using namespace zv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setProductGlobals();
    VersionText = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    const help::VersionNotice notice = help::readVersionText(VersionText);
    if (notice.newer && !(notice.announced > ProductVersion))
        std::abort();
    ScriptedInteraction script;
    script.answerNext(AnswerYes);
    ManualCheckFlag = size % 2;
    help::checkForUpdate();
    if (script.messages.size() > 1)
        std::abort();
    for (const QString& url : script.openedUrls) {
        const QByteArray address = url.toUtf8();
        if (address == makerSite())
            continue;
        if (!address.toLower().startsWith("http://") || !help::isHttpAddress(address))
            std::abort();
        for (char c : address)
            if (static_cast<unsigned char>(c) <= 0x20)
                std::abort();
    }
    if (!script.openedUrls.isEmpty() && script.openedUrls.last().toUtf8() != makerSite())
        std::abort(); // the home page always comes last
    return 0;
}
