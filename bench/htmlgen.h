// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Generated HTML for the benchmarks.

#include <QRandomGenerator>
#include <QString>

// A page of realistic HTML: headings, paragraphs with links and formatting,
// tables, comments, images, CR LF line ends. Every wordEvery-th text word is
// "Widget" (in one of three spellings) until widgets of them are written.
inline QString generateHtml(qsizetype size, int wordEvery = 0, int widgets = 0,
                            int *wordsWritten = nullptr)
{
    static const char *const words[] = {
        "the",    "page",  "site",   "content", "news",   "table",    "report", "about",
        "we",     "offer", "design", "quality", "garden", "products", "summer", "order",
        "prices", "for",   "all",    "members", "and",    "their",    "guests", "today",
    };
    static const char *const widgetForms[] = {"Widget", "widget", "WIDGET"};
    QRandomGenerator rng(42);
    int wordCount = 0;
    int widgetCount = 0;
    QString out;
    out.reserve(size + 4096);
    const auto text = [&](int n) {
        for (int k = 0; k < n; ++k) {
            if (k)
                out += u' ';
            ++wordCount;
            if (wordEvery && widgetCount < widgets && wordCount % wordEvery == 0) {
                out += QLatin1String(widgetForms[widgetCount % 3]);
                ++widgetCount;
            } else {
                out += QLatin1String(words[rng.bounded(int(std::size(words)))]);
            }
        }
    };
    out += QLatin1String("<HTML>\r\n<HEAD>\r\n<TITLE>Generated</TITLE>\r\n</HEAD>\r\n"
                         "<BODY BGCOLOR=\"#FFFFFF\">\r\n");
    int section = 0;
    while (out.size() < size) {
        ++section;
        out += QStringLiteral("<!-- Section %1 -->\r\n<H2>").arg(section);
        text(3);
        out += QLatin1String("</H2>\r\n");
        for (int p = 0; p < 3; ++p) {
            out += QLatin1String("<P>");
            text(12);
            out += QStringLiteral(" <A HREF=\"page%1.htm\">").arg(rng.bounded(500));
            text(2);
            out += QLatin1String("</A> <B>");
            text(2);
            out += QLatin1String("</B> ");
            text(10);
            out += QLatin1String("</P>\r\n");
        }
        if (section % 2 == 0) {
            out += QLatin1String("<TABLE BORDER=1 CELLPADDING=2 WIDTH=\"100%\">\r\n");
            for (int r = 0; r < 3; ++r) {
                out += QLatin1String("<TR>\r\n");
                for (int c = 0; c < 3; ++c) {
                    out += QLatin1String("<TD ALIGN=CENTER>");
                    text(2);
                    out += QLatin1String("</TD>\r\n");
                }
                out += QLatin1String("</TR>\r\n");
            }
            out += QLatin1String("</TABLE>\r\n");
        }
        if (section % 5 == 0)
            out += QStringLiteral("<IMG SRC=\"images/pic%1.gif\" ALT=\"Picture\"><BR>\r\n")
                       .arg(section);
    }
    out += QLatin1String("</BODY>\r\n</HTML>\r\n");
    if (wordsWritten)
        *wordsWritten = wordCount;
    return out;
}

constexpr qsizetype megabyte = 1024 * 1024;

// The generated page of 1 MB or 10 MB, made once.
inline const QString &document(qsizetype size)
{
    static const QString one = generateHtml(megabyte);
    static const QString ten = generateHtml(10 * megabyte);
    return size == megabyte ? one : ten;
}

constexpr int widgetCount = 100000;

// The 10 MB page with "Widget" (in three spellings) 100,000 times, made once.
inline const QString &widgetDocument()
{
    static const QString doc = [] {
        int words = 0;
        generateHtml(10 * megabyte, 0, 0, &words);
        // A little slack: the widgets make the page a little longer.
        return generateHtml(10 * megabyte, words * 95 / 100 / widgetCount, widgetCount);
    }();
    return doc;
}
