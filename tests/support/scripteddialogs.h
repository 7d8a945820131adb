// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the program's questions from a script, and records them. A
// question nobody scripted is answered with Cancel (or an empty name) and
// counted in unexpected, so a test fails instead of waiting for a person.

#include "platform/dialogservice.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QVariant>

class ScriptedDialogs : public DialogService
{
public:
    struct Asked
    {
        QString kind; // "message", "input", "open", "save", "folder", "colour", "font", "choose"
        QString text; // message text, prompt or dialog title
        QString title;
        QString folder;
        QString filter;
    };

    // Answer, QString, qint64, QFont or an invalid QVariant for cancel.
    QList<QVariant> answers;
    // The buttons pressed in choose(), by index.
    QList<int> choices;
    QList<Asked> asked;
    QList<qint64> initialColours; // where each colour dialog started
    int unexpected = 0;

    void answer(Answer a) { answers << QVariant::fromValue(int(a)); }
    void answer(const QString &text) { answers << QVariant(text); }
    void answerColour(qint64 colour) { answers << QVariant(colour); }
    void answerFont(const QFont &font) { answers << QVariant::fromValue(font); }
    void answerCancel() { answers << QVariant(); }

    QStringList messages() const
    {
        QStringList out;
        for (const Asked &a : asked) {
            if (a.kind == QLatin1String("message"))
                out << a.text;
        }
        return out;
    }

    Answer message(QWidget *, const QString &text, const QString &title, Buttons buttons,
                   Icon) override
    {
        asked << Asked{QStringLiteral("message"), text, title, {}, {}};
        if (buttons == Buttons::Ok) {
            // A plain message needs no scripted answer unless one is queued
            // as Ok.
            if (!answers.isEmpty() && answers.first().typeId() == QMetaType::Int &&
                answers.first().toInt() == int(Answer::Ok))
                answers.removeFirst();
            return Answer::Ok;
        }
        if (answers.isEmpty() || answers.first().typeId() != QMetaType::Int) {
            ++unexpected;
            return Answer::Cancel;
        }
        return Answer(answers.takeFirst().toInt());
    }

    std::optional<QString> input(QWidget *, const QString &prompt, const QString &title,
                                 const QString &) override
    {
        asked << Asked{QStringLiteral("input"), prompt, title, {}, {}};
        return take<QString>();
    }

    QString openFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        asked << Asked{QStringLiteral("open"), title, title, folder, filter};
        return take<QString>().value_or(QString());
    }

    QString saveFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter) override
    {
        asked << Asked{QStringLiteral("save"), title, title, folder, filter};
        return take<QString>().value_or(QString());
    }

    QString folderName(QWidget *, const QString &title, const QString &folder) override
    {
        asked << Asked{QStringLiteral("folder"), title, title, folder, {}};
        return take<QString>().value_or(QString());
    }

    std::optional<qint64> colour(QWidget *, qint64 initial) override
    {
        asked << Asked{QStringLiteral("colour"), {}, {}, {}, {}};
        initialColours << initial;
        return take<qint64>();
    }

    std::optional<QFont> font(QWidget *, const QFont &) override
    {
        asked << Asked{QStringLiteral("font"), {}, {}, {}, {}};
        return take<QFont>();
    }

    int choose(QWidget *, const QString &text, const QString &title,
               const QStringList &buttons) override
    {
        asked << Asked{QStringLiteral("choose"), text, title, {}, {}};
        if (choices.isEmpty()) {
            ++unexpected;
            return int(buttons.size()) - 1;
        }
        return choices.takeFirst();
    }

    // A file name answers with printing to that PDF file; a cancel answer
    // cancels.
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        asked << Asked{QStringLiteral("print"), {}, {}, {}, {}};
        const std::optional<QString> file = take<QString>();
        if (!file)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*file);
        return true;
    }

    // The preview "shows" its pages in the PDF file answered.
    void printPreview(QWidget *, QPrinter &printer,
                      const std::function<void(QPrinter *)> &paint) override
    {
        asked << Asked{QStringLiteral("preview"), {}, {}, {}, {}};
        const std::optional<QString> file = take<QString>();
        if (!file)
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*file);
        paint(&printer);
    }

private:
    // The next answer; nothing when it cancels, or when none is queued
    // (counted in unexpected).
    template <typename T> std::optional<T> take()
    {
        if (answers.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        const QVariant v = answers.takeFirst();
        if (!v.isValid())
            return std::nullopt;
        return v.value<T>();
    }
};
