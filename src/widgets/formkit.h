// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls the builder and tool windows share, made once. Every control
// a person types into or chooses from carries its caption as accessible
// name, through a buddy label where one is shown.

#include "kernel/htmlvalues.h"

#include <optional>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class BuilderHost;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QHBoxLayout;

namespace formkit {

// The caption, without its '&' marks, as the control's accessible name.
void setCaption(QWidget *control, const QString &caption);
// A label showing the caption, with the control as its buddy (so the
// caption's accelerator reaches the control) and named after it.
QLabel *captionLabel(const QString &caption, QWidget *control, QWidget *parent = nullptr);

// A push button; in a dialog, Enter presses it while it has the focus.
QPushButton *button(const char *objectName, const QString &caption, QWidget *parent = nullptr);
QLineEdit *lineEdit(const char *objectName, const QString &text = QString(),
                    QWidget *parent = nullptr);
QCheckBox *checkBox(const char *objectName, const QString &caption, bool checked = false,
                    QWidget *parent = nullptr);
QRadioButton *option(const char *objectName, const QString &caption, bool checked = false,
                     QWidget *parent = nullptr);

// An editable combo whose text is written exactly as typed: the list only
// offers items, it never folds typed text onto an item of another letter
// case, and Enter adds nothing to the list.
QComboBox *editableCombo(const char *objectName, const QStringList &items,
                         const QString &initial = QString(), QWidget *parent = nullptr);
// A drop-down list to choose from; index -1 chooses nothing.
QComboBox *listCombo(const char *objectName, const QStringList &items, int index = 0,
                     QWidget *parent = nullptr);

// The field takes only what `kind` allows: anything else typed or pasted is
// refused there and then, with the reason shown beside the field (it is
// also the field's tool tip and accessible description).
void restrictTo(QLineEdit *edit, htmlvalues::FieldKind kind);
void restrictTo(QComboBox *combo, htmlvalues::FieldKind kind);
// The kind a field was restricted to; nullopt for a free field.
std::optional<htmlvalues::FieldKind> restriction(const QWidget *field);
// The first shown-or-hidden enabled field of `window` whose text is not
// complete for its kind (an unfinished "-" or "INF", or text set by the
// program); nullptr when all are.
QWidget *unfinishedField(const QWidget *window);
// "Caption: reason" for that field.
QString fieldProblem(const QWidget *field);

// Gives every caption of the window that can carry a mnemonic (buttons,
// check boxes, options, labels of fields, page tabs) a letter of its own
// among those shown together (each page of a stack or tab widget is shown
// with the rest of the window, never with its sibling pages); the dialog's
// button row keeps its letters.
void assignMnemonics(QWidget *window);

// Assistive tools name a combo or spin by a label related to it (here a
// combo's own name is its value), and only a label in the same parent
// counts. Each one of the window that has a caption but no such label gets
// an unseen one.
void relateCaptions(QWidget *window);

// The buttons of the window's button rows come last in the Tab order, as
// they come last on the screen, left to right.
void buttonRowsLast(QWidget *window);

// A button of a dialog's button row.
struct RowButton
{
    const char *objectName;
    QString caption;
    QDialogButtonBox::ButtonRole role; // AcceptRole accepts, RejectRole rejects the dialog
};
// The buttons in the order the desktop puts them. Enter in a field presses
// the button named `enterButton` (none when that is null); a focused button
// takes Enter itself.
QDialogButtonBox *buttonRow(QDialog *dialog, const QList<RowButton> &buttons,
                            const char *enterButton = nullptr);
// "&OK" and "&Cancel" so, in a row layout to which more can be added;
// Enter in a field presses OK.
QHBoxLayout *okCancelRow(QDialog *dialog, const char *okName, const char *cancelName);

// The file dialog starting in the web-site folder; the chosen file's name
// without its folder, nullopt when cancelled. Filters are "Label|pattern".
std::optional<QString> pickFileName(BuilderHost &host, QWidget *parent, const QString &filter,
                                    const QString &title = QString());

// The pixel size of a picture as a browser shows it (its orientation
// applied), read from the file's header without decoding its pixels;
// nothing when it is no picture. A name without folder is in the web-site
// folder.
std::optional<QSize> pictureSize(BuilderHost &host, const QString &name);

} // namespace formkit

// A text box with a "Find" button that puts the bare name of a file chosen
// in the web-site folder into the box.
class FileField : public QWidget
{
    Q_OBJECT
public:
    FileField(const char *editName, const char *buttonName, const QString &buttonCaption,
              const QString &filter, BuilderHost &host, QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }
    QPushButton *button() const { return m_button; }
    QString text() const;
    void setText(const QString &text);
    // Shows after the button the pixel size of the picture the box names.
    void showPictureSize();

signals:
    void fileChosen(const QString &name);

private:
    BuilderHost &m_host;
    QLineEdit *m_edit;
    QPushButton *m_button;
};
