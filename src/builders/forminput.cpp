// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/forminput.h"

#include "widgets/formkit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

using namespace formbuilders;

namespace {

using Member = QString FormInputOptions::*;

struct Field
{
    const char *caption;
    Member member;
};

struct Page
{
    const char *option; // the option button's caption
    QList<Field> fields;
};

// Each kind's option caption and page, in option order.
const Page &page(InputKind kind)
{
    static const Page pages[] = {
        {QT_TRANSLATE_NOOP("FormInput", "&Checkbox"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Hidden"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Image"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Alignment"), &FormInputOptions::alignment},
          {QT_TRANSLATE_NOOP("FormInput", "Image Source"), &FormInputOptions::source}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Password"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Width (in Characters)"), &FormInputOptions::width},
          {QT_TRANSLATE_NOOP("FormInput", "Maximun Length"), &FormInputOptions::maxLength},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Radio"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value},
          {QT_TRANSLATE_NOOP("FormInput", "Text Displayed"), &FormInputOptions::displayed}}},
        {QT_TRANSLATE_NOOP("FormInput", "R&eset"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Button Label"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Submit"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Button Label"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "&Text"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Width (In Characters)"), &FormInputOptions::width},
          {QT_TRANSLATE_NOOP("FormInput", "Maximum Length"), &FormInputOptions::maxLength},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value}}},
        {QT_TRANSLATE_NOOP("FormInput", "Textbo&x"),
         {{QT_TRANSLATE_NOOP("FormInput", "Name"), &FormInputOptions::name},
          {QT_TRANSLATE_NOOP("FormInput", "Width (In Characters)"), &FormInputOptions::width},
          {QT_TRANSLATE_NOOP("FormInput", "Height (In Characters)"), &FormInputOptions::height},
          {QT_TRANSLATE_NOOP("FormInput", "Value"), &FormInputOptions::value}}},
    };
    static_assert(std::size(pages) == InputKindCount);
    return pages[int(kind)];
}

QString text(const QWidget *widget)
{
    if (auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    return static_cast<const QLineEdit *>(widget)->text();
}

void setText(QWidget *widget, const QString &value)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setEditText(value);
    else
        static_cast<QLineEdit *>(widget)->setText(value);
}

} // namespace

FormInput::FormInput(BuilderHost &host)
    : BuilderDialog(host), m_kinds(new QButtonGroup(this)), m_pages(new QStackedWidget)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(tr("Form Input"));

    auto *kindBox = new QGroupBox;
    auto *kindColumn = new QVBoxLayout(kindBox);
    int nextText = 1;
    for (int i = 0; i < InputKindCount; ++i) {
        const auto k = InputKind(i);
        const QByteArray name = "Option" + QByteArray::number(i + 1);
        QRadioButton *button = formkit::option(name.constData(), tr(page(k).option), i == 0);
        m_kinds->addButton(button, i);
        kindColumn->addWidget(button);
        m_pages->addWidget(buildPage(k, nextText));
    }
    kindColumn->addStretch(1);
    // One label column for every page, so the fields stay put when the kind
    // changes.
    int labelWidth = 0;
    const QList<QLabel *> labels = m_pages->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel *label : labels)
        label->setMinimumWidth(labelWidth);
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_pages->setCurrentIndex(id);
    });

    auto *pageBox = new QGroupBox;
    auto *pageLayout = new QVBoxLayout(pageBox);
    pageLayout->addWidget(m_pages);
    pageLayout->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addWidget(kindBox);
    body->addWidget(pageBox, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    m_pages->setCurrentIndex(int(InputKind::Checkbox));
    resize(540, sizeHint().height());
}

QWidget *FormInput::buildPage(InputKind k, int &nextText)
{
    auto *widget = new QWidget;
    widget->setObjectName(QStringLiteral("Frame%1").arg(int(k) + 1));
    auto *form = new QFormLayout(widget);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    QList<Binding> bindings;
    for (const Field &field : page(k).fields) {
        QWidget *control;
        if (field.member == &FormInputOptions::alignment) {
            control = formkit::editableCombo("Combo1", imageAlignmentItems());
        } else {
            const QByteArray name = "Text" + QByteArray::number(nextText++);
            auto *edit = formkit::lineEdit(name.constData());
            if (field.member == &FormInputOptions::width ||
                field.member == &FormInputOptions::maxLength ||
                field.member == &FormInputOptions::height)
                formkit::restrictTo(edit, htmlvalues::FieldKind::Whole);
            control = edit;
        }
        form->addRow(formkit::captionLabel(tr(field.caption), control), control);
        bindings << Binding{control, field.member};
    }
    if (k == InputKind::Checkbox) {
        m_checked = formkit::checkBox("Check1", tr("Checked"));
        form->addRow(QString(), m_checked);
    }
    m_bindings << bindings;
    return widget;
}

InputKind FormInput::kind() const
{
    return InputKind(m_pages->currentIndex());
}

void FormInput::showKind(InputKind k)
{
    m_kinds->button(int(k))->setChecked(true);
}

FormInputOptions FormInput::options() const
{
    FormInputOptions o;
    o.kind = kind();
    for (const Binding &b : m_bindings[int(o.kind)])
        o.*b.member = text(b.widget);
    o.checked = o.kind == InputKind::Checkbox && m_checked->isChecked();
    return o;
}

void FormInput::setOptions(const FormInputOptions &o)
{
    showKind(o.kind);
    for (const Binding &b : m_bindings[int(o.kind)])
        setText(b.widget, o.*b.member);
    if (o.kind == InputKind::Checkbox)
        m_checked->setChecked(o.checked);
}

QString FormInput::fragment() const
{
    return buildFormInput(options());
}

void FormInput::accept()
{
    finishOk(fragment());
}
