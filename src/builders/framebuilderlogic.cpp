// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/framebuilderlogic.h"

#include "kernel/htmlvalues.h"

#include "platform/numbers.h"

#include <QCoreApplication>

namespace framebuilder {

using htmlvalues::quoted;

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString endSet = QStringLiteral("</FRAMESET>");

} // namespace

FrameFields initialFrame(int k)
{
    FrameFields frame;
    frame.name = QStringLiteral("Frame%1").arg(k);
    return frame;
}

bool isLayout(int layout)
{
    return layout >= 1 && layout <= LayoutCount;
}

int frameCount(int layout)
{
    if (!isLayout(layout))
        return 0;
    return layout <= 2 ? 2 : 3;
}

Split outerSplit(int layout)
{
    // Layouts 2, 3 and 4 stack their areas; 1, 5 and 6 set them side by side.
    return layout >= 2 && layout <= 4 ? Split::Rows : Split::Cols;
}

Split innerSplit(int layout)
{
    return outerSplit(layout) == Split::Rows ? Split::Cols : Split::Rows;
}

QString stepWindowName(int layout)
{
    static const char *const names[LayoutCount] = {"Form13", "Form14", "Form15",
                                                   "Form18", "Form17", "Form19"};
    return isLayout(layout) ? QLatin1String(names[layout - 1]) : QString();
}

QString sizeCaption(int layout, int which)
{
    if (!isLayout(layout) || which < 1 || which > 2 || (which == 2 && frameCount(layout) < 3))
        return QString();
    const Split split = which == 1 ? outerSplit(layout) : innerSplit(layout);
    if (split == Split::Rows)
        return QCoreApplication::translate("framebuilderlogic", "Height:  In Pixels Or Percents");
    // The fourth layout's window has always spelt its width caption this way.
    if (layout == 4)
        return QCoreApplication::translate("framebuilderlogic", "Width:  In Pixels or Percents");
    return QCoreApplication::translate("framebuilderlogic", "Width:  In Pixels Or Percents");
}

QString frameLine(const FrameFields &frame)
{
    QString line = QStringLiteral("<FRAME NAME=") + quoted(frame.name) + QStringLiteral(" SRC=") +
                   quoted(frame.source);
    if (!frame.resizable)
        line += QStringLiteral(" NORESIZE");
    line += frame.scrollBars ? QStringLiteral(" SCROLLING=YES") : QStringLiteral(" SCROLLING=NO");
    line += frame.frameBorder ? QStringLiteral(" FRAMEBORDER=1") : QStringLiteral(" FRAMEBORDER=0");
    return line + QLatin1Char('>') + crlf;
}

QString setLine(Split split, const QString &size)
{
    return QStringLiteral("<FRAMESET ") +
           (split == Split::Cols ? QStringLiteral("COLS=") : QStringLiteral("ROWS=")) +
           quoted(size + QStringLiteral(", *")) + QLatin1Char('>') + crlf;
}

QString buildFrameset(const FrameOptions &options)
{
    const int layout = options.layout;
    if (!isLayout(layout))
        return QString();
    const auto frame = [&options](int k) { return frameLine(options.frames.value(k - 1)); };
    const QString outer = setLine(outerSplit(layout), options.size1);

    // Two frames: one set, closed without a line break.
    if (frameCount(layout) == 2)
        return outer + frame(1) + frame(2) + endSet;

    const QString inner = setLine(innerSplit(layout), options.size2);
    // The inner set fills the second area (layouts 3 and 5) or the first
    // (layouts 4 and 6).
    if (layout == 3 || layout == 5)
        return outer + frame(1) + inner + frame(2) + frame(3) + endSet + crlf + endSet + crlf;
    return outer + inner + frame(1) + frame(2) + endSet + crlf + frame(3) + endSet + crlf;
}

QString spinSize(const QString &text, bool up)
{
    const double value = numbers::leadingNumber(text);
    if (up)
        return numbers::shortestDouble(value + SpinStep);
    if (value >= SpinStep)
        return numbers::shortestDouble(value - SpinStep);
    return text;
}

const QStringList &sizeItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int percent = 10; percent <= 100; percent += 10)
            list << QString::number(percent) + QLatin1Char('%');
        return list;
    }();
    return items;
}

} // namespace framebuilder
