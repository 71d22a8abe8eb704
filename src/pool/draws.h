// The pool's rules and texts, free of any window: shared by the main
// window's handlers and by zanvelo-cli.
#pragma once

#include "base/text.h"
#include "store/historystore.h"

#include <QList>
#include <functional>

namespace zv::pool {

// Messages and captions of the pool (GBK texts).
Text entryErrorMessage();         // 期数或号码输入不正确：请检查后重试！
Text saveErrorMessage();          // 号码保存失败：请检查程序所在目录是否可写！
Text fetchErrorMessage();         // 往期号码获取失败：请检查网络连接后重试！
Text errorCaption();              // 错误：
Text successCaption();            // 成功：
Text addedMessage();              // 号码已成功添加！
Text removedMessage();            // 号码已成功删除！
Text deleteQuestion();            // 您确定要删除吗？
Text deleteQuestionCaption();     // 注意：
Text fetchDoneMessage(int count); // 往期号码输入完成！共输入N期号码。
Text fetchDoneCaption();          // 输入完成

// A period of exactly 5 ASCII digits and a draw of exactly 7.
bool isWellFormedEntry(const Text& period, const Text& digits);

// "号库数量：" and the pool size.
Text poolSizeCaption(int size);
// "上期号码(" + period + "期)：" (the digits follow).
Text lastDrawCaptionHead(const Text& period);
// "第" + period + "期  " + digits.
Text listRowText(const Text& period, const Text& digits);

// Visits the stored draws newest first, field by field as the list filling
// does: after each field and after each draw `step` runs and may stop the walk
// by returning false. A period text with fewer records gives empty periods.
void walkDraws(const store::StoreTexts& texts,
               const std::function<void(const Text& period, const Text& digits)>& draw,
               const std::function<bool()>& step = {});

// Builds the rows of the pool list, newest first, from the store texts, field
// by field as the list filling does: after each field and after each row
// `step` runs and may stop the filling by returning false. `row` gets each row.
void buildPoolRows(const store::StoreTexts& texts, const std::function<void(const Text&)>& row,
                   const std::function<bool()>& step = {});

// The pool as CSV: the header line period,digits, one draw a line, oldest first.
QByteArray exportCsv(const store::StoreTexts& texts);
// Reads a whole CSV file; on the first bad line gives its number (from 1) and
// no draws.
struct CsvImport {
    QList<store::DrawRecord> draws;
    int badLine = 0; // 0 when the file is good
    QString problem;
};
CsvImport importCsv(const QByteArray& csv);
// The store texts of a list of draws, oldest first.
store::StoreTexts textsOfDraws(const QList<store::DrawRecord>& draws);

} // namespace zv::pool
