// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editcommands.h"

#include "editor/findreplace.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "kernel/settingscatalog.h"

#include <QGuiApplication>

#include <cstring>

namespace editcommands {

namespace {

// UTF-8 bytes of one UTF-16 unit of valid text (a surrogate pair makes 4).
int utf8Bytes(char16_t c)
{
    if (c < 0x80)
        return 1;
    if (c < 0x800 || QChar::isSurrogate(c))
        return 2;
    return 3;
}

qsizetype utf8Length(QStringView text)
{
    qsizetype n = 0;
    for (const QChar c : text)
        n += utf8Bytes(c.unicode());
    return n;
}

// The editor's style bytes for [fromByte, toByte), one per byte, read in
// one call (one message per byte would take seconds on a big document).
QByteArray styleBytes(HtmlEditor &editor, int fromByte, int toByte)
{
    const int length = toByte - fromByte;
    if (length <= 0)
        return QByteArray();
    // Character and style interleaved, and two closing zero bytes.
    QByteArray styled(2 * qsizetype(length) + 2, '\0');
    editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, fromByte, toByte, styled.data());
    QByteArray styles(length, Qt::Uninitialized);
    const char *from = styled.constData() + 1;
    char *to = styles.data();
    for (int i = 0; i < length; ++i)
        to[i] = from[2 * i];
    return styles;
}

// Replaces the bytes [fromByte, toByte) by text as one undo step and paints
// the new bytes with styles; with no styles the new text is black.
void replaceBytes(HtmlEditor &editor, int fromByte, int toByte, const QByteArray &text,
                  QByteArray styles)
{
    // The styles are built from the characters; a replacement text with a
    // stray surrogate half can encode differently. Colours may then slip by
    // a few bytes, but the text is never harmed.
    if (!styles.isEmpty() && styles.size() != text.size())
        styles.resize(text.size(), styles.back());
    editor.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, long(fromByte), long(toByte));
    editor.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                         static_cast<unsigned long>(text.size()), text.constData());
    if (!styles.isEmpty()) {
        editor.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, long(fromByte));
        editor.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                             static_cast<unsigned long>(styles.size()), styles.constData());
    }
}

// A few letters change their UTF-8 length with their case (the dotless i,
// the Kelvin sign); then every character takes its old style over to its
// new bytes.
QByteArray restyleByCharacter(QStringView before, QStringView after, const QByteArray &oldStyles)
{
    QByteArray styles;
    qsizetype oldByte = 0;
    for (qsizetype i = 0; i < before.size() && i < after.size(); ++i) {
        const char style = oldByte < oldStyles.size() ? oldStyles[oldByte] : '\0';
        oldByte += utf8Bytes(before[i].unicode());
        styles.append(utf8Bytes(after[i].unicode()), style);
    }
    return styles;
}

void changeTagCase(Workbench &workbench, tagcase::Case to)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    AppState &state = workbench.state();
    // Tags written for the user from now on take the same case.
    state.upperCaseTags = to == tagcase::Case::Upper;
    settings::write(workbench.settings(), settings::TagCase,
                    settings::tagCaseText(state.upperCaseTags));
    // With SmartColor on, the whole document is recoloured next anyway.
    convertTagCase(*editor, to, state.colouringOff);
    QGuiApplication::restoreOverrideCursor();
    if (!state.colouringOff) {
        // Always the whole document, whatever insertion may be pending.
        state.colourStart = 0;
        state.colourLength = 0;
    }
    workbench.smartcolor();
}

} // namespace

bool convertTagCase(HtmlEditor &editor, tagcase::Case to, bool keepColours)
{
    const QString old = editor.documentText();
    const QString converted = tagcase::convertTags(old, to);
    const qsizetype n = old.size();
    const QChar *a = old.constData();
    const QChar *b = converted.constData();
    if (a == b || converted.size() != n)
        return false; // no tag at all: the text was not even copied
    qsizetype first = 0;
    while (first < n && a[first] == b[first])
        ++first;
    if (first == n)
        return false;
    qsizetype last = n;
    while (a[last - 1] == b[last - 1])
        --last;
    // Surrogate pairs are converted whole; keep them whole.
    if (first > 0 && a[first].isLowSurrogate())
        --first;
    if (last < n && a[last - 1].isHighSurrogate())
        ++last;

    const qsizetype caret = editor.selStart();
    const int fromByte = editor.toBytes(first);
    const int toByte = editor.toBytes(last);
    const QStringView before = QStringView(old).sliced(first, last - first);
    const QStringView after = QStringView(converted).sliced(first, last - first);
    const QByteArray bytes = after.toUtf8();
    QByteArray styles;
    if (keepColours) {
        styles = styleBytes(editor, fromByte, toByte);
        if (styles.size() != bytes.size())
            styles = restyleByCharacter(before, after, styles);
    }
    replaceBytes(editor, fromByte, toByte, bytes, styles);
    editor.setSelStart(caret);
    return true;
}

void upperCaseAllTags(Workbench &workbench)
{
    changeTagCase(workbench, tagcase::Case::Upper);
}

void lowerCaseAllTags(Workbench &workbench)
{
    changeTagCase(workbench, tagcase::Case::Lower);
}

qsizetype replaceAll(HtmlEditor &editor, const QString &needle, const QString &replacement,
                     bool matchCase, bool keepColours)
{
    // Half a character matches nothing worth replacing.
    if (needle.isEmpty() || !needle.isValidUtf16())
        return 0;
    const QString old = editor.documentText();
    const findreplace::ReplaceAllResult result =
        findreplace::replaceAll(old, needle, replacement, matchCase);
    if (result.count == 0)
        return 0;

    // Only the stretch from the first match to the end of the last changes.
    const qsizetype first = result.positions.constFirst();
    const qsizetype oldEnd = result.positions.constLast() + needle.size();
    const qsizetype newLength =
        oldEnd - first + result.count * (replacement.size() - needle.size());
    const QByteArray bytes = QStringView(result.text).sliced(first, newLength).toUtf8();
    const int fromByte = editor.toBytes(first);
    const int toByte = editor.toBytes(oldEnd);
    if (!keepColours) {
        replaceBytes(editor, fromByte, toByte, bytes, QByteArray());
        editor.setSelStart(first + newLength);
        return result.count;
    }
    const QByteArray oldStyles = styleBytes(editor, fromByte, toByte);

    // Old styles for the kept text, the match's first style for each
    // replacement. The byte counts agree with the UTF-8 text except for a
    // replacement holding a stray surrogate half; the bounds keep that case
    // inside the buffers.
    QByteArray styles(bytes.size(), '\0');
    const qsizetype replacementBytes = utf8Length(replacement);
    qsizetype oldByte = 0;
    qsizetype newByte = 0;
    qsizetype copied = first;
    for (const qsizetype at : result.positions) {
        const qsizetype kept = utf8Length(QStringView(old).sliced(copied, at - copied));
        const qsizetype copy =
            qMin(qMin(kept, oldStyles.size() - oldByte), styles.size() - newByte);
        if (copy > 0)
            std::memcpy(styles.data() + newByte, oldStyles.constData() + oldByte, size_t(copy));
        oldByte += kept;
        newByte += kept;
        const char style = oldByte < oldStyles.size() ? oldStyles[oldByte] : '\0';
        const qsizetype fill = qMin(replacementBytes, styles.size() - newByte);
        if (fill > 0)
            std::memset(styles.data() + newByte, style, size_t(fill));
        newByte += replacementBytes;
        oldByte += utf8Length(QStringView(old).sliced(at, needle.size()));
        copied = at + needle.size();
    }
    replaceBytes(editor, fromByte, toByte, bytes, styles);
    editor.setSelStart(first + newLength);
    return result.count;
}

} // namespace editcommands
