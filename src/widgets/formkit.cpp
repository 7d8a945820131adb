#include "widgets/formkit.h"

#include "platform/dialogservice.h"
#include "platform/paths.h"
#include "widgets/builderhost.h"

#include <QCheckBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The box makes its first accepting button the default as it shows, which
// would let Enter in any field press it; only the button chosen for Enter
// stays the default.
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
                if (auto *pushButton = qobject_cast<QPushButton *>(b))
                    pushButton->setDefault(pushButton == enterButton);
            }
        }
        return handled;
    }
};

} // namespace

namespace formkit {

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

QPushButton *button(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAutoDefault(false);
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

QHBoxLayout *okCancelRow(QDialog *dialog, const char *okName, const char *cancelName,
                         const char *enterButton)
{
    auto *row = new QHBoxLayout;
    row->addWidget(buttonRow(
        dialog,
        {{okName, QCoreApplication::translate("formkit", "&OK"), QDialogButtonBox::AcceptRole},
         {cancelName, QCoreApplication::translate("formkit", "&Cancel"),
          QDialogButtonBox::RejectRole}},
        enterButton));
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
