#include "pool/draws.h"

#include "base/number.h"

#include <algorithm>

namespace zv::pool {

Text entryErrorMessage() {
    return gbk("期数或号码输入不正确：请检查后重试！");
}
Text saveErrorMessage() {
    return gbk("号码保存失败：请检查程序所在目录是否可写！");
}
Text fetchErrorMessage() {
    return gbk("往期号码获取失败：请检查网络连接后重试！");
}
Text errorCaption() {
    return gbk("错误：");
}
Text successCaption() {
    return gbk("成功：");
}
Text addedMessage() {
    return gbk("号码已成功添加！");
}
Text removedMessage() {
    return gbk("号码已成功删除！");
}
Text deleteQuestion() {
    return gbk("您确定要删除吗？");
}
Text deleteQuestionCaption() {
    return gbk("注意：");
}
Text fetchDoneMessage(int count) {
    return gbk("往期号码输入完成！共输入") + toText(count) + gbk("期号码。");
}
Text fetchDoneCaption() {
    return gbk("输入完成");
}

namespace {

bool allAsciiDigits(const Text& t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool isWellFormedEntry(const Text& period, const Text& digits) {
    return textLength(period) == 5 && textLength(digits) == 7 && allAsciiDigits(period) &&
           allAsciiDigits(digits);
}

Text poolSizeCaption(int size) {
    return gbk("号库数量：") + toText(size);
}

Text lastDrawCaptionHead(const Text& period) {
    return gbk("上期号码(") + period + gbk("期)：");
}

Text listRowText(const Text& period, const Text& digits) {
    return gbk("第") + period + gbk("期  ") + digits;
}

void walkDraws(const store::StoreTexts& texts,
               const std::function<void(const Text& period, const Text& digits)>& draw,
               const std::function<bool()>& step) {
    auto carryOn = [&] { return !step || step(); };
    const Text& periods = texts[0];
    const int n = textLength(texts[1]);
    int p = textLength(periods);
    for (int j = 1; j <= n; ++j) {
        // The j-th newest record: the last "#" within the first p - 2 bytes.
        p = findTextReverse(periods, "#", p - 1);
        const Text period = p < 0 ? Text() : textMid(periods, p + 1, 5);
        if (!carryOn())
            return;
        Text digits;
        for (int k = 1; k < store::StoreFileCount; ++k) {
            digits += textMid(texts[size_t(k)], n - j + 1, 1);
            if (!carryOn())
                return;
        }
        draw(period, digits);
        if (!carryOn())
            return;
    }
}

void buildPoolRows(const store::StoreTexts& texts, const std::function<void(const Text&)>& row,
                   const std::function<bool()>& step) {
    walkDraws(
        texts, [&](const Text& period, const Text& digits) { row(listRowText(period, digits)); },
        step);
}

QByteArray exportCsv(const store::StoreTexts& texts) {
    QList<QByteArray> lines;
    walkDraws(texts, [&](const Text& period, const Text& digits) {
        lines.prepend(period + ',' + digits); // oldest first
    });
    QByteArray csv = "period,digits\n";
    for (const QByteArray& line : lines)
        csv += line + '\n';
    return csv;
}

CsvImport importCsv(const QByteArray& csv) {
    CsvImport result;
    QList<QByteArray> lines = csv.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line break
    auto fail = [&](int line, const QString& problem) {
        result.draws.clear();
        result.badLine = line;
        result.problem = problem;
        return result;
    };
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (i == 0) {
            if (line.startsWith("\xEF\xBB\xBF"))
                line.remove(0, 3);
            if (line.trimmed() != "period,digits")
                return fail(1, QStringLiteral("the first line must be the header period,digits"));
            continue;
        }
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() != 2)
            return fail(i + 1, QStringLiteral("expected two fields, period,digits"));
        const QByteArray period = fields[0].trimmed();
        const QByteArray digits = fields[1].trimmed();
        if (!isWellFormedEntry(period, digits))
            return fail(i + 1,
                        QStringLiteral("expected a period of 5 digits and a draw of 7 digits"));
        result.draws.append({period, digits});
    }
    if (lines.isEmpty())
        return fail(1, QStringLiteral("the first line must be the header period,digits"));
    return result;
}

store::StoreTexts textsOfDraws(const QList<store::DrawRecord>& draws) {
    store::StoreTexts texts;
    for (const store::DrawRecord& draw : draws)
        store::appendDrawTo(texts, draw);
    return texts;
}

} // namespace zv::pool
