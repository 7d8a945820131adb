// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every modal question the program asks goes through this service, so tests
// can answer them without a person.

#include <functional>
#include <optional>
#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

class DialogService
{
public:
    enum class Answer { Ok, Yes, No, Cancel };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Warning, Critical };

    virtual ~DialogService() = default;

    virtual Answer message(QWidget *parent, const QString &text, const QString &title = QString(),
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // nullopt when the box is cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt,
                                         const QString &title, const QString &defaultText) = 0;
    // Filters are given as "Label|pattern;pattern|Label|pattern". An empty
    // result means the dialog was cancelled.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &barFilter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                                 const QString &barFilter) = 0;
    // A folder, starting at folder; empty when cancelled.
    virtual QString folderName(QWidget *parent, const QString &title, const QString &folder) = 0;
    // A colour number (0x00BBGGRR), nullopt when cancelled.
    virtual std::optional<qint64> colour(QWidget *parent, qint64 initial) = 0;
    // The font dialog; nullopt when cancelled.
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
    // A question with buttons of the given captions; the index of the one
    // pressed. Escape and the close box press the last one.
    virtual int choose(QWidget *parent, const QString &text, const QString &title,
                       const QStringList &buttons) = 0;

    // The desktop's print dialog (printer, pages, "Print to File"), which
    // leaves the choice in `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // The print preview; `paint` prints the pages onto the printer it gets.
    virtual void printPreview(QWidget *parent, QPrinter &printer,
                              const std::function<void(QPrinter *)> &paint) = 0;

    static QString defaultTitle() { return QStringLiteral("Lorimel"); }
};

// The real dialogs.
class WidgetDialogService : public DialogService
{
public:
    Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &barFilter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &barFilter) override;
    QString folderName(QWidget *parent, const QString &title, const QString &folder) override;
    std::optional<qint64> colour(QWidget *parent, qint64 initial) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    int choose(QWidget *parent, const QString &text, const QString &title,
               const QStringList &buttons) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void printPreview(QWidget *parent, QPrinter &printer,
                      const std::function<void(QPrinter *)> &paint) override;
};
