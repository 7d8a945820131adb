// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/pagecheckpane.h"

#include "editor/htmleditor.h"
#include "widgets/formkit.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <climits>
#include <memory>

using pagecheck::Finding;
using pagecheck::Severity;

// The findings as rows: line, column, kind, message.
class FindingsModel : public QAbstractTableModel
{
public:
    enum Column { LineColumn, ColumnColumn, KindColumn, MessageColumn, Columns };
    // "E" or "W", for the filter.
    static constexpr int KindRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    const QList<Finding> &findings() const { return m_findings; }
    void setFindings(QList<Finding> findings)
    {
        beginResetModel();
        m_findings = std::move(findings);
        endResetModel();
    }

    void edit(int first, int last, int delta)
    {
        const auto [begin, end] = pagecheck::onLines(m_findings, first, last);
        if (end > begin)
            beginRemoveRows(QModelIndex(), int(begin), int(end - 1));
        pagecheck::afterEdit(m_findings, first, last, delta);
        if (end > begin)
            endRemoveRows();
        if (delta != 0 && begin < m_findings.size())
            emit dataChanged(index(int(begin), LineColumn),
                             index(int(m_findings.size() - 1), LineColumn));
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_findings.size());
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : Columns;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_findings.size())
            return QVariant();
        const Finding &f = m_findings[index.row()];
        const bool error = f.severity == Severity::Error;
        if (role == KindRole)
            return error ? QStringLiteral("E") : QStringLiteral("W");
        if (role == Qt::DecorationRole && index.column() == KindColumn) {
            return QApplication::style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxWarning);
        }
        if (role == Qt::ToolTipRole && index.column() == MessageColumn)
            return f.message;
        if (role != Qt::DisplayRole)
            return QVariant();
        switch (index.column()) {
        case LineColumn:
            return f.line > 0 ? QVariant(f.line) : QVariant();
        case ColumnColumn:
            return f.column > 0 ? QVariant(f.column) : QVariant();
        case KindColumn:
            return error ? PageCheckPane::tr("Error") : PageCheckPane::tr("Warning");
        default:
            return f.message;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        switch (section) {
        case LineColumn:
            return PageCheckPane::tr("Line");
        case ColumnColumn:
            return PageCheckPane::tr("Column");
        case KindColumn:
            return PageCheckPane::tr("Kind");
        default:
            return PageCheckPane::tr("Message");
        }
    }

private:
    QList<Finding> m_findings;
};

PageCheckPane::PageCheckPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageCheckPane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *top = new QHBoxLayout;
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("cboShow"));
    m_filter->addItems({tr("Errors and warnings"), tr("Errors only")});
    QLabel *show = formkit::captionLabel(tr("&Show"), m_filter, this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblCheckStatus"));
    m_status->setAccessibleName(tr("Check result"));
    top->addWidget(show);
    top->addWidget(m_filter);
    top->addSpacing(12);
    top->addWidget(m_status, 1);
    layout->addLayout(top);

    m_model = new FindingsModel(this);
    m_shown = new QSortFilterProxyModel(this);
    m_shown->setSourceModel(m_model);
    m_shown->setFilterRole(FindingsModel::KindRole);
    m_shown->setFilterKeyColumn(FindingsModel::KindColumn);
    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("lstFindings"));
    m_view->setAccessibleName(tr("Page Check"));
    m_view->setModel(m_shown);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(true);
    m_view->setColumnWidth(FindingsModel::LineColumn, 60);
    m_view->setColumnWidth(FindingsModel::ColumnColumn, 60);
    m_view->setColumnWidth(FindingsModel::KindColumn, 90);
    layout->addWidget(m_view, 1);
    // Double-click or Enter.
    connect(m_view, &QTreeView::activated, this,
            [this](const QModelIndex &index) { jumpTo(index.row()); });
    m_markTimer = new QTimer(this);
    m_markTimer->setSingleShot(true);
    m_markTimer->setInterval(0);
    connect(m_markTimer, &QTimer::timeout, this, &PageCheckPane::markSome);
    connect(m_filter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_shown->setFilterFixedString(index == 1 ? QStringLiteral("E") : QString());
        showMarkers();
        emit warningsShownChanged(index == 0);
    });
}

PageCheckPane::~PageCheckPane()
{
    // The worker reads only its own copy of the text; it is let finish.
    if (m_thread) {
        m_thread->disconnect(this);
        m_thread->wait();
        delete m_thread;
    }
    if (m_editor)
        removeMarkers();
}

QList<Finding> PageCheckPane::findings() const
{
    return m_model->findings();
}

bool PageCheckPane::warningsShown() const
{
    return m_filter->currentIndex() == 0;
}

void PageCheckPane::setWarningsShown(bool shown)
{
    m_filter->setCurrentIndex(shown ? 0 : 1);
}

void PageCheckPane::check(HtmlEditor *editor)
{
    if (!editor)
        return;
    if (editor != m_editor) {
        if (m_editor) {
            removeMarkers();
            m_editor->disconnect(this);
        }
        m_model->setFindings({});
        m_editor = editor;
        connect(editor, &HtmlEditor::linesEdited, this, &PageCheckPane::onLinesEdited);
        connect(editor, &QObject::destroyed, this, &PageCheckPane::clear);
    }
    if (m_thread) {
        m_again = true;
        return;
    }
    start();
}

void PageCheckPane::start()
{
    m_status->setText(tr("Checking the page..."));
    m_editsMeanwhile.clear();
    auto result = std::make_shared<QList<Finding>>();
    const QByteArray text = m_editor->documentBytes();
    m_thread = QThread::create([result, text] { *result = pagecheck::check(text); });
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->deleteLater();
        m_thread = nullptr;
        if (!m_editor) {
            clear();
            return;
        }
        if (m_again) {
            m_again = false;
            start();
            return;
        }
        QList<Finding> findings = std::move(*result);
        for (const Edit &e : std::as_const(m_editsMeanwhile))
            pagecheck::afterEdit(findings, e.first, e.last, e.delta);
        m_editsMeanwhile.clear();
        apply(std::move(findings));
    });
    m_thread->start(QThread::LowPriority);
}

void PageCheckPane::apply(QList<Finding> findings)
{
    removeMarkers();
    m_model->setFindings(std::move(findings));
    showMarkers();
    showStatus();
    int errors = 0;
    for (const Finding &f : m_model->findings())
        errors += f.severity == Severity::Error;
    emit finished(errors, int(m_model->rowCount()) - errors);
}

void PageCheckPane::clear()
{
    m_model->setFindings({});
    m_status->clear();
    m_editor = nullptr;
}

void PageCheckPane::onLinesEdited(int first, int last, int delta)
{
    if (m_thread)
        m_editsMeanwhile.append({first + 1, last + 1, delta});
    if (m_model->rowCount() == 0)
        return;
    m_model->edit(first + 1, last + 1, delta);
    // The lines still to mark moved with the text; the edited ones have
    // nothing to mark now.
    if (m_markTimer->isActive() && first + 1 < m_markLine)
        m_markLine = qMax(first + 1, m_markLine + delta);
    // The editor moved the markers with their lines, and put those of
    // deleted lines on the line before; the edited lines have no finding
    // now.
    const long mask = (1 << ErrorMarker) | (1 << WarningMarker);
    for (int line = first; line <= qMax(first, last + delta); ++line) {
        while (m_editor->SendScintilla(QsciScintillaBase::SCI_MARKERGET, long(line)) & mask) {
            m_editor->markerDelete(line, ErrorMarker);
            m_editor->markerDelete(line, WarningMarker);
        }
    }
    showStatus();
}

void PageCheckPane::removeMarkers()
{
    m_markTimer->stop();
    if (!m_editor)
        return;
    m_editor->markerDeleteAll(ErrorMarker);
    m_editor->markerDeleteAll(WarningMarker);
    m_editor->setMarginWidth(1, 0);
}

// One marker on each line with a finding shown: an error's where there is
// one.
void PageCheckPane::showMarkers()
{
    if (!m_editor)
        return;
    removeMarkers();
    m_editor->markerDefine(QsciScintilla::Circle, ErrorMarker);
    m_editor->setMarkerBackgroundColor(QColor(0xE0, 0x20, 0x20), ErrorMarker);
    m_editor->setMarkerForegroundColor(QColor(0x80, 0, 0), ErrorMarker);
    m_editor->markerDefine(QsciScintilla::RightTriangle, WarningMarker);
    m_editor->setMarkerBackgroundColor(QColor(0xF0, 0xB0, 0x20), WarningMarker);
    m_editor->setMarkerForegroundColor(QColor(0x80, 0x60, 0), WarningMarker);
    m_markLine = 1;
    markSome();
}

void PageCheckPane::markSome()
{
    // A millisecond or two of work.
    constexpr int LinesPerTurn = 2000;
    if (!m_editor)
        return;
    const QList<Finding> &all = m_model->findings();
    const bool warnings = warningsShown();
    qsizetype i = pagecheck::onLines(all, m_markLine, INT_MAX).first;
    int marked = 0;
    while (i < all.size() && marked < LinesPerTurn) {
        const int line = all[i].line;
        bool error = false, shown = false;
        for (; i < all.size() && all[i].line == line; ++i) {
            error = error || all[i].severity == Severity::Error;
            shown = shown || warnings || all[i].severity == Severity::Error;
        }
        if (line < 1 || !shown)
            continue;
        m_editor->markerAdd(line - 1, error ? ErrorMarker : WarningMarker);
        ++marked;
    }
    if (marked > 0 && m_editor->marginWidth(1) == 0) {
        m_editor->setMarginType(1, QsciScintilla::SymbolMargin);
        m_editor->setMarginMarkerMask(1, (1 << ErrorMarker) | (1 << WarningMarker));
        m_editor->setMarginWidth(1, 14);
    }
    if (i < all.size()) {
        m_markLine = all[i].line;
        m_markTimer->start();
    }
}

void PageCheckPane::showStatus()
{
    int errors = 0;
    for (const Finding &f : m_model->findings())
        errors += f.severity == Severity::Error;
    const int warnings = m_model->rowCount() - errors;
    if (errors == 0 && warnings == 0) {
        m_status->setText(tr("No errors or warnings."));
        return;
    }
    m_status->setText((errors == 1 ? tr("1 error") : tr("%1 errors").arg(errors)) +
                      QStringLiteral(", ") +
                      (warnings == 1 ? tr("1 warning") : tr("%1 warnings").arg(warnings)));
}

void PageCheckPane::jumpTo(int row)
{
    const QModelIndex source = m_shown->mapToSource(m_shown->index(row, 0));
    if (!source.isValid() || !m_editor)
        return;
    const Finding f = m_model->findings().at(source.row());
    emit documentWanted(m_editor);
    const long line = qMax(0, f.line - 1);
    const long start = m_editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long end = m_editor->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    long target = start;
    if (f.column > 1) {
        target = m_editor->SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, start,
                                         long(f.column - 1));
        if (target < start || target > end)
            target = end;
    }
    m_editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, target);
    m_editor->setFocus(Qt::OtherFocusReason);
}
