// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a running program from its standard input, for the tests that
// start the real program, type into it and kill it. Only the hidden
// --typing-driver option turns it on; it reads nothing otherwise.
//
// One command a line; answers go to standard output, one line each:
//   type I TEXT   types TEXT as key presses at the end of document I (0-based)
//   down I N      presses the Down key N times in document I
//   open PATH     opens a file
//   new           File > New
//   offered       "offered N": rows in the recovery window (0 without one)
//   recover       presses Recover for every row: "recovered N"
//   compare       Compare on the first row: "compare BASE64" of what it shows
//   dump          "doc I SAVED BASE64(caption) BASE64(text)" per document, then "end"
//   caret I       "caret LINE" of document I
//   quit          closes the main window

#include <QByteArray>
#include <QObject>

class MainWindow;
class QSocketNotifier;

class TypingDriver : public QObject
{
    Q_OBJECT
public:
    explicit TypingDriver(MainWindow *main, QObject *parent = nullptr);

private:
    void readInput();
    void run(const QByteArray &line);

    MainWindow *m_main;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_buffer;
};
