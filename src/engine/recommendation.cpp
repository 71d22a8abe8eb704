#include "engine/recommendation.h"

#include "base/number.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace zv::engine {

Text shortPoolMessage() {
    return gbk("号库不足：请按先后顺序依次存入最近开出至少三十期的号码。");
}

Text shortPoolCaption() {
    return gbk("无法荐号：");
}

const char* colourName(CellColour colour) {
    return colour == CellColour::Green ? GreenColour : GreyColour;
}

Text randomNumber() {
    seedRandom();
    Text digits;
    for (int i = 0; i < 7; ++i)
        digits += toText(randomInt(0, 9));
    return digits;
}

Recommendation recommend(const store::StoreTexts& texts, const Pump& pump) {
    Recommendation r;
    r.poolSize = textLength(texts[1]);
    if (r.poolSize >= MinimumPool) {
        for (int p = 1; p <= 7; ++p) {
            r.positions.append(analysePosition(texts[size_t(p)], r.poolSize, pump));
            r.recommended += textLeft(r.positions.last().selection.selectedText, 1);
        }
    }
    r.random = randomNumber();
    return r;
}

QString recommendationTable(const Recommendation& r) {
    static const char* const rowNames[] = {"第一位：", "第二位：", "第三位：", "第四位：",
                                           "第五位：", "第六位：", "第七位："};
    QString out = QStringLiteral("号库数量：%1\n").arg(r.poolSize);
    out += QStringLiteral("优先级：\t①\t②\t③\t④\t⑤\t⑥\t精选推荐\n");
    for (int p = 0; p < r.positions.size(); ++p) {
        const PositionAnalysis& a = r.positions[p];
        out += QString::fromUtf8(rowNames[p]);
        for (const Text& t : a.tiers.tier)
            out += QLatin1Char('\t') + fromGbk(t);
        out += QLatin1Char('\t') + fromGbk(a.selection.selectedText) + QLatin1Char('\n');
    }
    out += QStringLiteral("推荐号码：\t") + fromGbk(r.recommended) + QLatin1Char('\n');
    out += QStringLiteral("随机号码：\t") + fromGbk(r.random) + QLatin1Char('\n');
    return out;
}

namespace {

QByteArray jsonString(const Text& t) {
    const QByteArray array = QJsonDocument(QJsonArray{fromGbk(t)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray recommendationJson(const Recommendation& r) {
    QByteArray out = "{\"poolSize\": " + QByteArray::number(r.poolSize) + ", \"positions\": [";
    for (int p = 0; p < r.positions.size(); ++p) {
        const PositionAnalysis& a = r.positions[p];
        if (p > 0)
            out += ", ";
        out += "{\"position\": " + QByteArray::number(p + 1) + ", \"tiers\": [";
        for (size_t t = 0; t < a.tiers.tier.size(); ++t)
            out += (t ? ", " : "") + jsonString(a.tiers.tier[t]);
        out += "], \"priorityList\": " + jsonString(a.tiers.priorityList());
        out += ", \"rareRank\": " + jsonString(a.rarity.rareRank);
        out += ", \"dimensionList\": " + jsonString(a.rarity.dimensionList);
        out += ", \"selected\": " + jsonString(a.selection.selectedText);
        out += ", \"colour\": \"" + QByteArray(colourName(a.selection.colour)) + "\"}";
    }
    out += "], \"recommended\": " + jsonString(r.recommended) +
           ", \"random\": " + jsonString(r.random) + "}";
    return out;
}

} // namespace zv::engine
