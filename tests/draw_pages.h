// Yearly listing pages as the results service publishes them, newest draw first.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

using PageDraw = QPair<QByteArray, QByteArray>; // period, seven digits

inline QByteArray drawEntry(const PageDraw& draw) {
    QByteArray e = "<tr bgcolor=\"#ffffff\"><td><a href=\"/draw/" + draw.first + "\">" +
                   draw.first + "</a></td><td>";
    for (char digit : draw.second)
        e += QByteArray("<span class=\"ball_1\">") + digit + "</span>";
    return e + "</td></tr>\n";
}

inline QByteArray listingPage(const QList<PageDraw>& draws) {
    QByteArray page = "<html><head><title>results</title></head><body><table>\n";
    for (const PageDraw& d : draws)
        page += drawEntry(d);
    return page + "</table></body></html>\n";
}

// count draws of a year, newest first: periods YY001.. and digits derived from them.
inline QList<PageDraw> yearDraws(int year, int count) {
    QList<PageDraw> draws;
    for (int i = count; i >= 1; --i) {
        const QByteArray period = QByteArray::number(year % 100).rightJustified(2, '0') +
                                  QByteArray::number(i).rightJustified(3, '0');
        QByteArray digits;
        for (int k = 0; k < 7; ++k)
            digits += char('0' + (year + i * 7 + k * 3) % 10);
        draws.append({period, digits});
    }
    return draws;
}
