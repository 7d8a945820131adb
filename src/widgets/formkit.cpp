// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/formkit.h"

#include "kernel/mnemonics.h"
#include "platform/dialogservice.h"
#include "platform/paths.h"
#include "widgets/builderhost.h"

#include <algorithm>
#include <functional>
#include <QCheckBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolTip>
#include <QValidator>

namespace {

// The box makes its first accepting button the default as it shows; only
// the button chosen for Enter stays the default.
class ButtonBox : public QDialogButtonBox
{
public:
    using QDialogButtonBox::QDialogButtonBox;
    QPushButton *enterButton = nullptr;

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QDialogButtonBox::event(event);
        if (event->type() == QEvent::Show) {
            for (QAbstractButton *b : buttons()) {
                if (auto *pushButton = qobject_cast<QPushButton *>(b)) {
                    pushButton->setDefault(pushButton == enterButton);
                    // Without a button for Enter, the dialog must not pick
                    // one of these as its default either.
                    if (!enterButton)
                        pushButton->setAutoDefault(false);
                }
            }
        }
        return handled;
    }
};

// Keeps a field to its kind of text; the kind itself is the rule.
class FieldValidator : public QValidator
{
public:
    FieldValidator(htmlvalues::FieldKind kind, QObject *parent) : QValidator(parent), kind(kind) {}
    const htmlvalues::FieldKind kind;

    State validate(QString &input, int &) const override
    {
        switch (htmlvalues::fieldEntry(input, kind)) {
        case htmlvalues::Entry::Acceptable:
            return Acceptable;
        case htmlvalues::Entry::Unfinished:
            return Intermediate;
        case htmlvalues::Entry::Refused:
            break;
        }
        return Invalid;
    }
};

const FieldValidator *fieldValidator(const QWidget *field)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(field))
        return dynamic_cast<const FieldValidator *>(edit->validator());
    if (const auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->isEditable() ? dynamic_cast<const FieldValidator *>(combo->validator())
                                   : nullptr;
    return nullptr;
}

void restrictEdit(QLineEdit *edit, QWidget *field, htmlvalues::FieldKind kind)
{
    auto *validator = new FieldValidator(kind, field);
    edit->setValidator(validator);
    const QString reason = htmlvalues::fieldReason(kind);
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
    QObject::connect(edit, &QLineEdit::inputRejected, field, [edit, reason] {
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), reason, edit);
    });
}

} // namespace

namespace formkit {

void restrictTo(QLineEdit *edit, htmlvalues::FieldKind kind)
{
    restrictEdit(edit, edit, kind);
}

void restrictTo(QComboBox *combo, htmlvalues::FieldKind kind)
{
    Q_ASSERT(combo->isEditable());
    restrictEdit(combo->lineEdit(), combo, kind);
}

std::optional<htmlvalues::FieldKind> restriction(const QWidget *field)
{
    if (const FieldValidator *validator = fieldValidator(field))
        return validator->kind;
    return std::nullopt;
}

QWidget *unfinishedField(const QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const FieldValidator *validator = fieldValidator(w);
        if (!validator || !w->isEnabled())
            continue;
        const auto *edit = qobject_cast<const QLineEdit *>(w);
        const QString text = edit ? edit->text() : static_cast<const QComboBox *>(w)->currentText();
        if (htmlvalues::fieldEntry(text, validator->kind) != htmlvalues::Entry::Acceptable)
            return w;
    }
    return nullptr;
}

QString fieldProblem(const QWidget *field)
{
    const FieldValidator *validator = fieldValidator(field);
    if (!validator)
        return QString();
    return QCoreApplication::translate("formkit", "%1: %2")
        .arg(field->accessibleName(), htmlvalues::fieldReason(validator->kind));
}

void setCaption(QWidget *control, const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name.trimmed());
}

QLabel *captionLabel(const QString &caption, QWidget *control, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(control);
    setCaption(control, caption);
    return label;
}

namespace {

// The pages of stacks (and tab widgets) that hold w, outermost first.
QList<const QWidget *> pagePath(const QWidget *w, const QWidget *window)
{
    QList<const QWidget *> path;
    for (const QWidget *child = w, *parent = w->parentWidget(); parent && child != window;
         child = parent, parent = parent->parentWidget()) {
        if (qobject_cast<const QStackedWidget *>(parent))
            path.prepend(child);
    }
    return path;
}

} // namespace

void assignMnemonics(QWidget *window)
{
    // Each caption with where it is shown and the way to set it.
    struct Caption
    {
        QString text;
        std::function<void(const QString &)> set;
        bool fixed;
        QList<const QWidget *> pages;
    };
    QList<Caption> captions;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->isHidden() || w->window() != window)
            continue; // put away for good, or a window of its own
        const QList<const QWidget *> pages = pagePath(w, window);
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            const bool inRow = qobject_cast<QDialogButtonBox *>(b->parentWidget()) != nullptr;
            captions.append({b->text(), [b](const QString &t) { b->setText(t); }, inRow, pages});
        } else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy()) {
            captions.append(
                {label->text(), [label](const QString &t) { label->setText(t); }, false, pages});
        } else if (auto *group = qobject_cast<QGroupBox *>(w); group && group->isCheckable()) {
            captions.append(
                {group->title(), [group](const QString &t) { group->setTitle(t); }, false, pages});
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                captions.append({tabs->tabText(i),
                                 [tabs, i](const QString &t) { tabs->setTabText(i, t); }, false,
                                 pages});
        }
    }
    // The window's own captions first, then each page with what surrounds
    // it, outer pages before the pages inside them.
    QList<QList<const QWidget *>> scopes{{}};
    for (const Caption &c : captions) {
        if (!scopes.contains(c.pages))
            scopes << c.pages;
    }
    std::stable_sort(scopes.begin(), scopes.end(),
                     [](const auto &a, const auto &b) { return a.size() < b.size(); });
    for (const QList<const QWidget *> &scope : scopes) {
        QList<qsizetype> members;
        QStringList texts;
        QList<bool> fixed;
        for (qsizetype i = 0; i < captions.size(); ++i) {
            const Caption &c = captions.at(i);
            if (c.pages.size() > scope.size() || scope.mid(0, c.pages.size()) != c.pages)
                continue;
            members << i;
            texts << c.text;
            fixed << (c.fixed || c.pages != scope);
        }
        const QStringList assigned = mnemonics::assign(texts, fixed);
        for (qsizetype k = 0; k < members.size(); ++k) {
            Caption &c = captions[members.at(k)];
            if (!fixed.at(k) && assigned.at(k) != c.text) {
                c.text = assigned.at(k);
                c.set(c.text);
            }
        }
    }
}

void buttonRowsLast(QWidget *window)
{
    for (QDialogButtonBox *box : window->findChildren<QDialogButtonBox *>()) {
        if (box->window() != window)
            continue;
        QList<QAbstractButton *> buttons = box->buttons();
        std::stable_sort(
            buttons.begin(), buttons.end(),
            [](const QAbstractButton *a, const QAbstractButton *b) { return a->x() < b->x(); });
        for (QAbstractButton *b : buttons) {
            if (QWidget *last = window->previousInFocusChain(); last != b)
                QWidget::setTabOrder(last, b);
        }
    }
}

void relateCaptions(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool needsLabel = qobject_cast<QComboBox *>(w) ||
                                qobject_cast<QAbstractSpinBox *>(w) || w->inherits("SpinArrows");
        if (!needsLabel || w->accessibleName().isEmpty() || !w->parentWidget() ||
            w->window() != window)
            continue;
        bool related = false;
        for (QObject *sibling : w->parentWidget()->children()) {
            auto *label = qobject_cast<QLabel *>(sibling);
            if (label && label->buddy() == w) {
                related = true;
                break;
            }
        }
        if (related)
            continue;
        auto *label = new QLabel(w->accessibleName(), w->parentWidget());
        label->setObjectName(QStringLiteral("captionOf_") + w->objectName());
        label->setBuddy(w);
        label->hide();
    }
}

QPushButton *button(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(objectName));
    return b;
}

QLineEdit *lineEdit(const char *objectName, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(objectName));
    return edit;
}

QCheckBox *checkBox(const char *objectName, const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(objectName));
    box->setChecked(checked);
    return box;
}

QRadioButton *option(const char *objectName, const QString &caption, bool checked, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setChecked(checked);
    return button;
}

QComboBox *editableCombo(const char *objectName, const QStringList &items, const QString &initial,
                         QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    // The completer matches without regard to case by default, and the combo
    // then replaces "Center" by the item "CENTER" on Enter or focus out.
    combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
    combo->setCurrentIndex(-1);
    combo->setEditText(initial);
    return combo;
}

QComboBox *listCombo(const char *objectName, const QStringList &items, int index, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->addItems(items);
    combo->setCurrentIndex(index);
    return combo;
}

QDialogButtonBox *buttonRow(QDialog *dialog, const QList<RowButton> &buttons,
                            const char *enterButton)
{
    auto *box = new ButtonBox(dialog);
    for (const RowButton &b : buttons) {
        QPushButton *pushButton = button(b.objectName, b.caption, box);
        box->addButton(pushButton, b.role);
        if (enterButton && qstrcmp(enterButton, b.objectName) == 0)
            box->enterButton = pushButton;
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QHBoxLayout *okCancelRow(QDialog *dialog, const char *okName, const char *cancelName)
{
    auto *row = new QHBoxLayout;
    row->addWidget(buttonRow(
        dialog,
        {{okName, QCoreApplication::translate("formkit", "&OK"), QDialogButtonBox::AcceptRole},
         {cancelName, QCoreApplication::translate("formkit", "&Cancel"),
          QDialogButtonBox::RejectRole}},
        okName));
    return row;
}

std::optional<QString> pickFileName(BuilderHost &host, QWidget *parent, const QString &filter,
                                    const QString &title)
{
    const QString path = host.dialogs().openFileName(parent, title, host.siteFolder(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return QFileInfo(path).fileName();
}

std::optional<QSize> pictureSize(BuilderHost &host, const QString &name)
{
    if (name.isEmpty())
        return std::nullopt;
    const QString path = QFileInfo(name).isAbsolute() ? name : paths::join(host.siteFolder(), name);
    QImageReader reader(path);
    QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    return size;
}

} // namespace formkit

FileField::FileField(const char *editName, const char *buttonName, const QString &buttonCaption,
                     const QString &filter, BuilderHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_edit(formkit::lineEdit(editName, QString(), this)),
      m_button(formkit::button(buttonName, buttonCaption, this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_edit, 1);
    row->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QPushButton::clicked, this, [this, &host, filter] {
        if (const std::optional<QString> name = formkit::pickFileName(host, window(), filter)) {
            m_edit->setText(*name);
            emit fileChosen(*name);
        }
    });
}

QString FileField::text() const
{
    return m_edit->text();
}

void FileField::setText(const QString &text)
{
    m_edit->setText(text);
}

void FileField::showPictureSize()
{
    auto *label = new QLabel(this);
    label->setObjectName(m_edit->objectName() + QStringLiteral("PictureSize"));
    layout()->addWidget(label);
    auto show = [this, label] {
        const std::optional<QSize> size = formkit::pictureSize(m_host, m_edit->text());
        label->setText(size ? QCoreApplication::translate("formkit", "%1 × %2 pixels")
                                  .arg(size->width())
                                  .arg(size->height())
                            : QString());
        label->setAccessibleName(label->text());
    };
    connect(m_edit, &QLineEdit::textChanged, label, show);
    show();
}
