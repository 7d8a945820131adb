// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/objecttaglogic.h"

#include "kernel/htmlvalues.h"
#include "kernel/settingscatalog.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace objecttag {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QChar Quote = u'"';

constexpr int SizeMin = -32768;
constexpr int SizeMax = 32767;

int clampSize(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp<double>(value, SizeMin, SizeMax));
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void resetToDefaults(ObjectTagOptions &options)
{
    const bool classId = options.tagClassId;
    options = ObjectTagOptions();
    options.tagClassId = classId;
}

QString withoutBraces(const QString &text)
{
    QString out = text;
    if (out.startsWith(u'{'))
        out.remove(0, 1);
    if (out.endsWith(u'}'))
        out.chop(1);
    return out;
}

QString applyCase(const QString &literal, int tagCase)
{
    switch (tagCase) {
    case Lower:
        return literal.toLower();
    case Mixed:
        return literal.left(1).toUpper() + literal.mid(1).toLower();
    default:
        return literal.toUpper();
    }
}

QString objectTag(const Control &control, const ObjectTagOptions &options)
{
    const QString nl = options.lines ? CrLf : QString();
    const QString ind = options.lines ? QStringLiteral("\t") : QStringLiteral(" ");
    auto c = [&options](const char *literal) {
        return applyCase(QLatin1String(literal), options.tagCase);
    };
    const QString word = c(options.obj ? "object" : "insert");

    QString tag = u'<' + word + nl + ind;
    using htmlvalues::escapedQuotes;
    tag += c("id=\"") + escapedQuotes(control.name) + Quote + nl + ind;
    if (!control.progId.isEmpty() && !options.tagClassId)
        tag += c("CLASSID=\"ProgID:") + escapedQuotes(control.progId) + Quote + nl + ind;
    else
        tag += c("CLASSID=\"ClsID:") + escapedQuotes(withoutBraces(control.classId)) + Quote + nl +
               ind;
    tag += c("width") + u'=' + QString::number(options.insWidth) + nl + ind;
    tag += c("height") + u'=' + QString::number(options.insHeight);
    if (options.inclCode != 0)
        tag += nl + ind + c("CodeBase=\"") + escapedQuotes(options.code) + Quote;
    tag += QStringLiteral(" >") + nl;
    tag += QStringLiteral("</") + word + u'>';
    return tag;
}

QString objectTagBlock(const QList<Control> &controls, const ObjectTagOptions &options)
{
    QString block = QStringLiteral("<!-- Begin Object Tag -->") + CrLf;
    for (const Control &control : controls)
        block += objectTag(control, options) + CrLf;
    block += QStringLiteral("<!--End Object Tag -->");
    return block;
}

QString previewText(const QList<Control> &table, int chosen, const ObjectTagOptions &options)
{
    if (table.isEmpty())
        return QCoreApplication::translate("objecttaglogic", "No controls registered.");
    const int row = chosen >= 0 && chosen < table.size() ? chosen : 0;
    return objectTag(table[row], options);
}

int sizeFromText(const QString &text)
{
    const double value = numbers::leadingNumber(text);
    if (std::isnan(value))
        return 0;
    return clampSize(double(numbers::roundHalfEven(std::clamp<double>(value, -1e9, 1e9))));
}

QList<int> listOrder(const QList<Control> &table)
{
    QList<int> order(table.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&table](int a, int b) {
        return listText(table[a]).compare(listText(table[b]), Qt::CaseInsensitive) < 0;
    });
    return order;
}

QString listText(const Control &control)
{
    return control.name.isEmpty() ? control.classId : control.name;
}

ObjectTagOptions loadOptions(const SettingsStore &store)
{
    ObjectTagOptions options;
    options.tagClassId = settings::boolean(store, settings::ObjectTagClassId);
    options.obj = settings::boolean(store, settings::ObjectObj);
    const int tagCase = int(settings::number(store, settings::ObjectTagCase));
    options.tagCase = tagCase == Lower || tagCase == Mixed ? tagCase : Caps;
    options.lines = settings::boolean(store, settings::ObjectLines);
    options.insWidth = clampSize(numbers::roundHalfEven(
        std::clamp(settings::number(store, settings::ObjectWidth), -1e9, 1e9)));
    options.insHeight = clampSize(numbers::roundHalfEven(
        std::clamp(settings::number(store, settings::ObjectHeight), -1e9, 1e9)));
    options.inclCode = int(settings::number(store, settings::ObjectInclCode));
    options.code = settings::text(store, settings::ObjectCode);
    return options;
}

void saveOptions(SettingsStore &store, const ObjectTagOptions &options)
{
    settings::write(store, settings::ObjectTagClassId, trueFalse(options.tagClassId));
    settings::write(store, settings::ObjectObj, trueFalse(options.obj));
    settings::write(store, settings::ObjectTagCase, QString::number(options.tagCase));
    settings::write(store, settings::ObjectLines, trueFalse(options.lines));
    settings::write(store, settings::ObjectWidth, QString::number(options.insWidth));
    settings::write(store, settings::ObjectHeight, QString::number(options.insHeight));
    settings::write(store, settings::ObjectInclCode, QString::number(options.inclCode));
    settings::write(store, settings::ObjectCode, options.code);
}

} // namespace objecttag
