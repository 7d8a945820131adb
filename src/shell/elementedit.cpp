// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/elementedit.h"

#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/reopen.h"
#include "editor/workbench.h"
#include "platform/dialogservice.h"
#include "platform/textfile.h"
#include "shell/builderregistry.h"
#include "widgets/builderdialog.h"

#include <memory>
#include <QCoreApplication>
#include <QPointer>

namespace elementedit {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("elementedit", text);
}

// The registry rows that reopen, as targets to look for.
struct Reopenable
{
    QList<reopen::Target> targets;
    QList<const registry::BuilderRow *> rows;
};

const Reopenable &reopenable()
{
    static const Reopenable all = [] {
        Reopenable r;
        for (const registry::BuilderRow &row : registry::rows()) {
            if (row.reopening.elements.isEmpty())
                continue;
            r.targets.append({row.reopening.elements, row.reopening.shape});
            r.rows.append(&row);
        }
        return r;
    }();
    return all;
}

void tell(Workbench &workbench, QWidget *over, const QString &text)
{
    workbench.dialogs().message(over, text, tr("Edit Element"), DialogService::Buttons::Ok,
                                DialogService::Icon::Information);
}

// One reopened element: what the builder owns of it, as it stood when the
// builder opened, and the fragment the builder wrote from it.
class Session
{
public:
    Session(Workbench &workbench, HtmlEditor &editor, const registry::Reopening &reopening,
            const QString &text, const reopen::Parts &parts, QString first)
        : m_workbench(workbench), m_editor(&editor), m_reopening(reopening),
          m_extent(parts.extent()), m_region(text.mid(m_extent.start, m_extent.length())),
          m_parts(reopen::shifted(parts, -m_extent.start)), m_caret(editor.selStart()),
          m_first(std::move(first))
    {
    }

    void write(const QString &fragment)
    {
        HtmlEditor *editor = m_editor;
        if (!editor)
            return;
        if (editor->textRange(m_extent.start, m_extent.length()) != m_region) {
            tell(m_workbench, m_workbench.mainWidget(),
                 tr("The element changed while its builder was open. Nothing was written."));
            return;
        }
        const reopen::Shape &shape = m_reopening.shape;
        const std::optional<reopen::Parts> first =
            reopen::partsInFragment(m_first, m_reopening.elements, shape);
        const std::optional<reopen::Parts> last =
            reopen::partsInFragment(fragment, m_reopening.elements, shape);
        if (!first || !last)
            return;
        QList<reopen::Edit> edits =
            reopen::patch(m_region, m_parts, {m_first, *first}, {fragment, *last}, shape);
        if (edits.isEmpty())
            return;
        if (!editor->isCrLf()) {
            for (reopen::Edit &edit : edits)
                edit.text = textfile::adaptLineEnds(edit.text, textfile::LineEnds::Lf);
        }
        // Only the span from the first edit to the last is replaced.
        const qsizetype from = edits.first().start;
        qsizetype to = from;
        for (const reopen::Edit &edit : edits)
            to = std::max(to, edit.start + edit.length);
        const QString after = reopen::applied(m_region, edits);
        const QString middle = after.mid(from, after.size() - (m_region.size() - to) - from);

        editor->select(m_extent.start + from, to - from);
        insertion::replaceSelection(*editor, m_workbench.state(), middle);
        // The caret stays where it was, inside what was written at most.
        const qsizetype start = m_extent.start + from;
        qsizetype caret = m_caret;
        if (caret >= m_extent.start + to)
            caret += middle.size() - (to - from);
        else if (caret > start)
            caret = std::min(caret, start + middle.size());
        editor->setSelStart(caret);
    }

private:
    Workbench &m_workbench;
    QPointer<HtmlEditor> m_editor;
    const registry::Reopening &m_reopening;
    reopen::Span m_extent;
    QString m_region;
    reopen::Parts m_parts; // in m_region
    qsizetype m_caret;
    QString m_first;
};

} // namespace

void editAtCaret(Workbench &workbench)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    const QString text = editor->documentText();
    const elementmap::Map map = elementmap::scan(text);
    const Reopenable &all = reopenable();
    const reopen::Found found = reopen::find(text, map, editor->selStart(), all.targets);
    if (found.target < 0) {
        tell(workbench, workbench.mainWidget(),
             tr("There is no element a builder writes at the caret."));
        return;
    }
    const registry::Reopening &reopening = all.rows[found.target]->reopening;
    const std::optional<reopen::Parts> parts =
        reopen::partsOf(text, map, found.element, reopening.shape);
    if (!parts) {
        const registry::Reopened opened = reopening.open(workbench, nullptr);
        tell(workbench, opened.builder,
             tr("The %1 element at the caret cannot be read: a tag is not closed, or its "
                "end tag is missing. The builder opens empty and the element stays as it is.")
                 .arg(found.name));
        return;
    }
    const tagreader::Element element = reopen::readBack(text, *parts);
    const registry::Reopened opened = reopening.open(workbench, &element);
    if (!opened.filled) {
        tell(workbench, opened.builder,
             tr("The %1 element at the caret has a form its builder does not write. The "
                "builder opens empty and the element stays as it is.")
                 .arg(found.name));
        return;
    }
    auto session =
        std::make_shared<Session>(workbench, *editor, reopening, text, *parts, opened.fragment);
    opened.builder->setFragmentReceiver(
        [session](const QString &fragment) { session->write(fragment); });
}

} // namespace elementedit
