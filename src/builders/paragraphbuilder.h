// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Paragraph Builder: a small word processor. The user types or loads a
// paragraph, formats it with the toolbar, and OK writes it as one P element
// whose tags follow the formatting character by character.

#include "import/richtext.h"
#include "widgets/builderdialog.h"

class QComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

class ParagraphBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ParagraphBuilder(BuilderHost &host);

    // The editor's text and formatting.
    richtext::RichText options() const;
    void setOptions(const richtext::RichText &text);

    // The editor (for the toolbar's focus and tests).
    QTextEdit *editor() const { return m_editor; }

    void accept() override;
    void reject() override;

private:
    QToolButton *toolButton(const char *objectName, const QString &caption, const QString &name);
    // Runs a toolbar action, then gives the editor the focus back.
    template <typename Action> void connectAction(QToolButton *button, Action action);

    void mergeFormat(const QTextCharFormat &format);
    void toggleBullets();
    void alignSelection(Qt::Alignment alignment);
    void alignAllRight();
    void chooseColour();
    void fontSizeChosen(const QString &text);
    void fontNameChosen(const QString &name);
    void openTextFile();
    void showFormat(const QTextCharFormat &format);

    QTextEdit *m_editor = nullptr;
    QToolButton *m_bold = nullptr;
    QToolButton *m_italic = nullptr;
    QToolButton *m_underline = nullptr;
    QToolButton *m_strike = nullptr;
    QComboBox *m_fontSize = nullptr;
    QComboBox *m_fontName = nullptr;
    qint64 m_lastColour = 0;
};
