// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typingdriver.h"

#include "editor/htmleditor.h"
#include "recovery/compareview.h"
#include "recovery/recoverywindow.h"
#include "shell/mainwindow.h"
#include "site/filecommands.h"

#include <cstdio>
#include <QApplication>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    fwrite(line.constData(), 1, size_t(line.size()), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

} // namespace

TypingDriver::TypingDriver(MainWindow *main, QObject *parent) : QObject(parent), m_main(main)
{
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TypingDriver::readInput);
    say("ready");
}

void TypingDriver::readInput()
{
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
        m_notifier->setEnabled(false);
        return;
    }
    m_buffer.append(chunk, n);
    qsizetype end;
    while ((end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        run(line);
    }
}

void TypingDriver::run(const QByteArray &line)
{
    const QList<QByteArray> words = line.split(' ');
    const QByteArray command = words.value(0);
    auto *recovery = m_main->findChild<RecoveryWindow *>();
    const QList<DocumentWindow *> docs = m_main->documents();
    if (command == "type" && words.size() >= 3) {
        DocumentWindow *doc = docs.value(words[1].toInt());
        if (!doc)
            return;
        const QString text = QString::fromUtf8(line.mid(words[0].size() + words[1].size() + 2));
        doc->editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        for (const QChar c : text) {
            const int key = c.toUpper().unicode();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(doc->editor(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(doc->editor(), &release);
        }
    } else if (command == "down" && words.size() >= 3) {
        DocumentWindow *doc = docs.value(words[1].toInt());
        for (int i = 0; doc && i < words[2].toInt(); ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(doc->editor(), &press);
        }
    } else if (command == "open" && words.size() >= 2) {
        m_main->openFile(QString::fromUtf8(line.mid(5)));
    } else if (command == "new") {
        filecommands::newDocument(*m_main);
    } else if (command == "offered") {
        say("offered " +
            QByteArray::number(recovery && recovery->isVisible() ? recovery->count() : 0));
    } else if (command == "recover") {
        int n = 0;
        while (recovery && recovery->isVisible() && recovery->count() > 0) {
            recovery->choose(0);
            recovery->recoverChosen();
            ++n;
        }
        say("recovered " + QByteArray::number(n));
    } else if (command == "compare") {
        QByteArray shown;
        if (recovery && recovery->count() > 0) {
            recovery->choose(0);
            recovery->compareChosen();
            if (auto *view = recovery->findChild<CompareView *>())
                shown = view->differenceText().toUtf8();
        }
        say("compare " + shown.toBase64());
    } else if (command == "dump") {
        for (int i = 0; i < docs.size(); ++i) {
            say("doc " + QByteArray::number(i) + ' ' + (docs[i]->isSaved() ? "1 " : "0 ") +
                docs[i]->caption().toUtf8().toBase64() + ' ' +
                docs[i]->editor()->documentBytes().toBase64());
        }
        say("end");
    } else if (command == "caret" && words.size() >= 2) {
        int l = -1;
        int index = 0;
        if (DocumentWindow *doc = docs.value(words[1].toInt()))
            doc->editor()->getCursorPosition(&l, &index);
        say("caret " + QByteArray::number(l));
    } else if (command == "quit") {
        m_main->close();
    }
}
