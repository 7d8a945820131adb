// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/objectoptions.h"

#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "widgets/builderhost.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace objecttag;

namespace {

QGroupBox *frame(const char *name, const QString &title, std::initializer_list<QWidget *> options)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QLatin1String(name));
    auto *column = new QVBoxLayout(box);
    for (QWidget *option : options)
        column->addWidget(option, 0, Qt::AlignLeft);
    column->addStretch(1);
    return box;
}

} // namespace

ObjectOptionsDialog::ObjectOptionsDialog(BuilderHost &host, SettingsStore &store, QWidget *parent)
    : QDialog(parent), m_host(host), m_store(store), m_options(loadOptions(store))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setWindowModality(Qt::WindowModal);

    m_classId = formkit::option("optClassID", tr("ClassID"));
    m_progId = formkit::option("optProgID", tr("ProgID"));
    m_object = formkit::option("optObject", tr("OBJECT"));
    m_insert = formkit::option("optInsert", tr("INSERT"));
    m_caps = formkit::option("optCaps", tr("CAPS"));
    m_lower = formkit::option("optLower", tr("lower"));
    m_mixed = formkit::option("optMixed", tr("Mixed"));
    m_single = formkit::option("optSingle", tr("Single"));
    m_multi = formkit::option("optMulti", tr("Multi"));
    m_width = formkit::lineEdit("txtWidth");
    m_height = formkit::lineEdit("txtHeight");
    m_inclCode = formkit::checkBox("chkCode", tr("&Include CodeBase="));
    m_code = formkit::lineEdit("txtCode");
    formkit::setCaption(m_code, tr("CodeBase"));
    m_preview = new QPlainTextEdit;
    m_preview->setObjectName(QStringLiteral("txtPreview"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab stops of 16 dialog units: four average character widths.
    m_preview->setTabStopDistance(4 * m_preview->fontMetrics().averageCharWidth());
    m_preview->setMinimumSize(480, 130);

    auto *frames = new QHBoxLayout;
    frames->addWidget(frame("fraDefault", tr("&Default"), {m_classId, m_progId}));
    frames->addWidget(frame("fraTag", tr("&Tag"), {m_object, m_insert}));
    frames->addWidget(frame("fraCase", tr("&Case"), {m_caps, m_lower, m_mixed}));
    frames->addWidget(frame("fraLines", tr("&Lines"), {m_single, m_multi}));

    auto *sizes = new QGridLayout;
    sizes->addWidget(formkit::captionLabel(tr("&Width"), m_width), 0, 0);
    sizes->addWidget(m_width, 0, 1);
    sizes->addWidget(formkit::captionLabel(tr("&Height"), m_height), 0, 2);
    sizes->addWidget(m_height, 0, 3);
    sizes->addWidget(m_inclCode, 1, 0, 1, 2);
    sizes->addWidget(m_code, 1, 2, 1, 2);
    sizes->setColumnStretch(1, 1);
    sizes->setColumnStretch(3, 2);

    QHBoxLayout *buttons = formkit::okCancelRow(this, "cmdOK", "cmdCancel");
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(sizes);
    layout->addWidget(m_preview, 1);
    layout->addLayout(buttons);

    loadControls();
    for (QRadioButton *option :
         {m_classId, m_progId, m_object, m_insert, m_caps, m_lower, m_mixed, m_single, m_multi})
        connect(option, &QRadioButton::toggled, this, &ObjectOptionsDialog::readControls);
    connect(m_inclCode, &QCheckBox::toggled, this, &ObjectOptionsDialog::readControls);
    for (QLineEdit *edit : {m_width, m_height, m_code})
        connect(edit, &QLineEdit::textChanged, this, &ObjectOptionsDialog::readControls);
}

void ObjectOptionsDialog::setOptions(const ObjectTagOptions &options)
{
    m_options = options;
    loadControls();
    emit optionsChanged();
}

void ObjectOptionsDialog::loadControls()
{
    m_loading = true;
    (m_options.tagClassId ? m_classId : m_progId)->setChecked(true);
    (m_options.obj ? m_object : m_insert)->setChecked(true);
    (m_options.tagCase == Lower   ? m_lower
     : m_options.tagCase == Mixed ? m_mixed
                                  : m_caps)
        ->setChecked(true);
    (m_options.lines ? m_multi : m_single)->setChecked(true);
    m_width->setText(QString::number(m_options.insWidth));
    m_height->setText(QString::number(m_options.insHeight));
    m_inclCode->setChecked(m_options.inclCode != 0);
    m_code->setText(m_options.code);
    m_code->setEnabled(m_inclCode->isChecked());
    m_loading = false;
    updatePreview();
}

void ObjectOptionsDialog::readControls()
{
    m_code->setEnabled(m_inclCode->isChecked());
    if (m_loading)
        return;
    m_options.tagClassId = m_classId->isChecked();
    m_options.obj = m_object->isChecked();
    m_options.tagCase = m_lower->isChecked() ? Lower : m_mixed->isChecked() ? Mixed : Caps;
    m_options.lines = m_multi->isChecked();
    m_options.insWidth = sizeFromText(m_width->text());
    m_options.insHeight = sizeFromText(m_height->text());
    m_options.inclCode = m_inclCode->isChecked() ? 1 : 0;
    m_options.code = m_code->text();
    updatePreview();
    emit optionsChanged();
}

void ObjectOptionsDialog::setPreviewSource(const QList<Control> &table, int chosen)
{
    m_table = table;
    m_chosen = chosen;
    updatePreview();
}

QString ObjectOptionsDialog::previewText() const
{
    return m_preview->toPlainText();
}

void ObjectOptionsDialog::updatePreview()
{
    // The editor shows CR LF as one line break.
    QString text = objecttag::previewText(m_table, m_chosen, m_options);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_preview->setPlainText(text);
}

void ObjectOptionsDialog::accept()
{
    saveOptions(m_store, m_options);
    if (!m_store.sync())
        m_host.dialogs().message(this, m_store.lastError(), QString(), DialogService::Buttons::Ok,
                                 DialogService::Icon::Warning);
    hide();
}

void ObjectOptionsDialog::reject()
{
    m_options = loadOptions(m_store);
    loadControls();
    emit optionsChanged();
    hide();
}
