// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/referencelists.h"

#include "editor/htmlvocabulary.h"

namespace palette {

namespace {

template <std::size_t N> QStringList toList(const char *const (&items)[N])
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

const char *const JavaScriptTopics[] = {
    "$1...$9 Properties",
    "/*..*/ (Multiline Comment Statement)",
    "// (Single-line Comment Statement)",
    "@cc_on Statement",
    "@if Statement",
    "@set Statement",
    "abs Method",
    "acos Method",
    "Add Method",
    "AddFolders Method",
    "Addition Operator (+)",
    "anchor Method",
    "arguments Property",
    "Array Object",
    "asin Method",
    "atan Method",
    "atan2 Method",
    "atEnd Method",
    "AtEndOfLine Property",
    "AtEndOfStream Property",
    "Attributes Property",
    "AvailableSpace Property",
    "big Method",
    "blink Method",
    "bold Method",
    "Boolean Object",
    "break Statement",
    "BuildPath Method",
    "caller Property",
    "ceil Method",
    "charAt Method",
    "charCodeAt Method",
    "Close Method",
    "Column Property",
    "CompareMode Property",
    "Comparison Operators",
    "compile Method",
    "Compound Assignment Operators",
    "concat Method (Array)",
    "concat Method (String)",
    "constructor Property",
    "continue Statement",
    "Copy Method",
    "CopyFile Method",
    "CopyFolder Method",
    "cos Method",
    "Count Property",
    "CreateFolder Method",
    "CreateTextFile Method",
    "Data Type Conversion",
    "Date Object",
    "DateCreated Property",
    "DateLastAccessed Property",
    "DateLastModified Property",
    "Delete Method",
    "delete Operator",
    "DeleteFile Method",
    "DeleteFolder Method",
    "Dictionary Object",
    "dimensions Method",
    "Division Operator (/)",
    "do...while Statement",
    "Drive Object",
    "Drive Property",
    "DriveExists Method",
    "DriveLetter Property",
    "Drives Collection",
    "Drives Property",
    "DriveType Property",
    "E Property",
    "Enumerator Object",
    "escape Method",
    "eval Method",
    "exec Method",
    "Exists Method",
    "exp Method",
    "File Object",
    "FileExists Method",
    "Files Collection",
    "Files Property",
    "FileSystem Property",
    "FileSystemObject Object",
    "fixed Method",
    "floor Method",
    "Folder Object",
    "FolderExists Method",
    "Folders Collection",
    "fontcolor Method",
    "fontsize Method",
    "for Statement",
    "for...in Statement",
    "FreeSpace Property",
    "fromCharCode Method",
    "Function Object",
    "function Statement",
    "GetAbsolutePathName Method",
    "GetBaseName Method",
    "getDate Method",
    "getDay Method",
    "GetDrive Method",
    "GetDriveName Method",
    "GetExtensionName Method",
    "GetFile Method",
    "GetFileName Method",
    "GetFolder Method",
    "getFullYear Method",
    "getHours Method",
    "getItem Method",
    "getMilliseconds Method",
    "getMinutes Method",
    "getMonth Method",
    "GetParentFolderName Method",
    "getSeconds Method",
    "GetSpecialFolder Method",
    "GetTempName Method",
    "getTime Method",
    "getTimezoneOffset Method",
    "getUTCDate Method",
    "getUTCDay Method",
    "getUTCFullYear Method",
    "getUTCHours Method",
    "getUTCMilliseconds Method",
    "getUTCMinutes Method",
    "getUTCMonth Method",
    "getUTCSeconds Method",
    "getVarDate Method",
    "getYear Method",
    "Global Object",
    "global Property",
    "if...else Statement",
    "ignoreCase Property",
    "index Property",
    "indexOf Method",
    "Infinity Property",
    "input Property",
    "isFinite Method",
    "isNaN Method",
    "IsReady Property",
    "IsRootFolder Property",
    "italics Method",
    "item Method",
    "Item Property",
    "Items Method",
    "JavaScript",
    "join Method",
    "Key Property",
    "Keys Method",
    "Labeled Statement",
    "lastIndex Property (RegExp)",
    "lastIndex Property (Regular Expression)",
    "lastIndexOf Method",
    "lastMatch Property",
    "lastParen Property",
    "lbound Method",
    "leftContext Property",
    "length Property (Array)",
    "length Property (Function)",
    "length Property (String)",
    "Line Property",
    "link Method",
    "LN10 Property",
    "LN2 Property",
    "log Method",
    "LOG10E Property",
    "LOG2E Property",
    "Math Object",
    "max Method",
    "MAX_VALUE Property",
    "min Method",
    "MIN_VALUE Property",
    "Move Method",
    "MoveFile Method",
    "moveFirst Method",
    "MoveFolder Method",
    "moveNext Method",
    "multiline Property",
    "Name Property",
    "NaN Property (Global)",
    "NaN Property (Number)",
    "NEGATIVE_INFINITY Property",
    "new Operator",
    "Number Object",
    "Object Object",
    "OpenAsTextStream Method",
    "OpenTextFile Method",
    "Operator Precedence",
    "ParentFolder Property",
    "parse Method",
    "parseFloat Method",
    "parseInt Method",
    "Path Property",
    "PI Property",
    "POSITIVE_INFINITY Property",
    "pow Method",
    "prototype Property",
    "random Method",
    "Read Method",
    "ReadAll Method",
    "ReadLine Method",
    "RegExp Object",
    "Regular Expression Object",
    "Regular Expression Syntax",
    "Remove Method",
    "RemoveAll Method",
    "return Statement",
    "reverse Method",
    "rightContext Property",
    "RootFolder Property",
    "round Method",
    "ScriptEngine Function",
    "ScriptEngineBuildVersion Function",
    "ScriptEngineMajorVersion Function",
    "ScriptEngineMinorVersion Function",
    "SerialNumber Property",
    "setDate Method",
    "setFullYear Method",
    "setHours Method",
    "setMilliseconds Method",
    "setMinutes Method",
    "setMonth Method",
    "setSeconds Method",
    "setTime Method",
    "setUTCDate Method",
    "setUTCFullYear Method",
    "setUTCHours Method",
    "setUTCMilliseconds Method",
    "setUTCMinutes Method",
    "setUTCMonth Method",
    "setUTCSeconds Method",
    "setYear Method",
    "ShareName Property",
    "ShortName Property",
    "ShortPath Property",
    "sin Method",
    "Size Property",
    "Skip Method",
    "SkipLine Method",
    "slice Method (Array)",
    "slice Method (String)",
    "small Method",
    "sort Method",
    "source Property",
    "sqrt Method",
    "SQRT1_2 Property",
    "SQRT2 Property",
    "strike Method",
    "String Object",
    "sub Method",
    "SubFolders Property",
    "substr Method",
    "substring Method",
    "sup Method",
    "switch Statement",
    "tan Method",
    "test Method",
    "TextStream Object",
    "this Statement",
    "toArray Method",
    "toGMTString Method",
    "toLocaleString Method",
    "toLowerCase Method",
    "toString Method",
    "TotalSize Property",
    "toUpperCase Method",
    "toUTCString Method",
    "Type Property",
    "typeof Operator",
    "ubound Method",
    "unescape Method",
    "UTC Method",
    "valueOf Method",
    "var Statement",
    "VBArray Object",
    "void Operator",
    "VolumeName Property",
    "while Statement",
    "with Statement",
    "Write Method",
    "WriteBlankLines Method",
    "WriteLine Method",
};
const char *const Faces[] = {
    ": - )", ": - (", ": - o", ": - O", ": - D", ": - |", "; - )", "; - (", "; - o", "; - O",
    "; - D", "; - |", ": o )", ": o (", ": o D", ": o |", "; o )", "; o (", "; o D", "; o |",
};

struct Entity
{
    char16_t code;
    const char *name;
};

const Entity MathEntities[] = {{0x00B1, "plusmn"}, {0x00D7, "times"},  {0x00F7, "divide"},
                               {u'<', "lt"},       {u'>', "gt"},       {0x00BC, "frac14"},
                               {0x00BD, "frac12"}, {0x00BE, "frac34"}, {0x00B0, "deg"},
                               {0x00AB, "laquo"},  {0x00BB, "raquo"}};
const Entity CurrencyEntities[] = {
    {0x00A2, "cent"}, {0x00A3, "pound"}, {0x00A4, "curren"}, {0x00A5, "yen"}};
const Entity LegalEntities[] = {{0x00A9, "copy"}, {0x00AE, "reg"}, {0x2122, "trade"}};

// Inverted exclamation mark, then 191 to 255 without the multiplication
// and division signs, which the Math combo offers.
const Entity LatinEntities[] = {
    {0x00A1, "iexcl"},  {0x00BF, "iquest"}, {0x00C0, "Agrave"}, {0x00C1, "Aacute"},
    {0x00C2, "Acirc"},  {0x00C3, "Atilde"}, {0x00C4, "Auml"},   {0x00C5, "Aring"},
    {0x00C6, "AElig"},  {0x00C7, "Ccedil"}, {0x00C8, "Egrave"}, {0x00C9, "Eacute"},
    {0x00CA, "Ecirc"},  {0x00CB, "Euml"},   {0x00CC, "Igrave"}, {0x00CD, "Iacute"},
    {0x00CE, "Icirc"},  {0x00CF, "Iuml"},   {0x00D0, "ETH"},    {0x00D1, "Ntilde"},
    {0x00D2, "Ograve"}, {0x00D3, "Oacute"}, {0x00D4, "Ocirc"},  {0x00D5, "Otilde"},
    {0x00D6, "Ouml"},   {0x00D8, "Oslash"}, {0x00D9, "Ugrave"}, {0x00DA, "Uacute"},
    {0x00DB, "Ucirc"},  {0x00DC, "Uuml"},   {0x00DD, "Yacute"}, {0x00DE, "THORN"},
    {0x00DF, "szlig"},  {0x00E0, "agrave"}, {0x00E1, "aacute"}, {0x00E2, "acirc"},
    {0x00E3, "atilde"}, {0x00E4, "auml"},   {0x00E5, "aring"},  {0x00E6, "aelig"},
    {0x00E7, "ccedil"}, {0x00E8, "egrave"}, {0x00E9, "eacute"}, {0x00EA, "ecirc"},
    {0x00EB, "euml"},   {0x00EC, "igrave"}, {0x00ED, "iacute"}, {0x00EE, "icirc"},
    {0x00EF, "iuml"},   {0x00F0, "eth"},    {0x00F1, "ntilde"}, {0x00F2, "ograve"},
    {0x00F3, "oacute"}, {0x00F4, "ocirc"},  {0x00F5, "otilde"}, {0x00F6, "ouml"},
    {0x00F8, "oslash"}, {0x00F9, "ugrave"}, {0x00FA, "uacute"}, {0x00FB, "ucirc"},
    {0x00FC, "uuml"},   {0x00FD, "yacute"}, {0x00FE, "thorn"},  {0x00FF, "yuml"}};

template <std::size_t N>
CharacterCombo combo(const char *name, const char *label, const Entity (&entities)[N])
{
    CharacterCombo result{QString::fromLatin1(name), QString::fromLatin1(label), {}};
    result.items.reserve(qsizetype(N));
    for (const Entity &entity : entities)
        result.items.append(
            {QString(QChar(entity.code)),
             QLatin1Char('&') + QString::fromLatin1(entity.name) + QLatin1Char(';')});
    return result;
}

} // namespace

const QList<CharacterCombo> &characterCombos()
{
    static const QList<CharacterCombo> combos{
        combo("Combo1", QT_TRANSLATE_NOOP("palette", "Math"), MathEntities),
        combo("Combo2", QT_TRANSLATE_NOOP("palette", "Currency"), CurrencyEntities),
        combo("Combo3", QT_TRANSLATE_NOOP("palette", "Legal"), LegalEntities),
        combo("Combo4", QT_TRANSLATE_NOOP("palette", "Latin"), LatinEntities)};
    return combos;
}

const QList<ReferenceTab> &referenceTabs()
{
    static const QList<ReferenceTab> tabs{
        {QT_TRANSLATE_NOOP("palette", "Tags"), QT_TRANSLATE_NOOP("palette", "Inserts an HTML tag"),
         TagsList},
        {QT_TRANSLATE_NOOP("palette", "Attributes"),
         QT_TRANSLATE_NOOP("palette", "Inserts An HTML Attribute"), AttributesList},
        {QT_TRANSLATE_NOOP("palette", "JavaScript"), "", JavaScriptList},
        {QT_TRANSLATE_NOOP("palette", "Time/Date"),
         QT_TRANSLATE_NOOP("palette", "Inserts the current time and/or date"), TimeDateList},
        {QT_TRANSLATE_NOOP("palette", "Faces"),
         QT_TRANSLATE_NOOP("palette", "Inserts Faces Into Document"), FacesList},
        {QT_TRANSLATE_NOOP("palette", "Custom"), QT_TRANSLATE_NOOP("palette", "Uses your own tags"),
         CustomList},
    };
    return tabs;
}

const QStringList &tagNames()
{
    return vocabulary::paletteTags();
}

const QStringList &attributeNames()
{
    return vocabulary::paletteAttributes();
}

const QStringList &faces()
{
    static const QStringList list = toList(Faces);
    return list;
}

const QStringList &javaScriptTopics()
{
    static const QStringList list = toList(JavaScriptTopics);
    return list;
}

const QStringList &emptyElements()
{
    return vocabulary::paletteEmptyTags();
}

std::optional<QString> tagFragment(const QString &name, const QString &selection)
{
    if (name.isEmpty())
        return std::nullopt;
    const QString open = QLatin1Char('<') + name + QLatin1Char('>');
    if (emptyElements().contains(name))
        return open;
    return open + selection + QStringLiteral("</") + name + QLatin1Char('>');
}

std::optional<QString> javaScriptText(int row)
{
    const QStringList &topics = javaScriptTopics();
    if (row <= 0 || row >= topics.size())
        return std::nullopt;
    const QString &topic = topics.at(row);
    const qsizetype space = topic.indexOf(QLatin1Char(' '));
    return space < 0 ? topic : topic.left(space);
}

} // namespace palette
