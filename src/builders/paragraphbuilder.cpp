// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/paragraphbuilder.h"

#include "builders/paragraphbuilderlogic.h"
#include "builders/richtextdocument.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

using namespace paragraphbuilder;

namespace {

// Twips as the editor's pixels.
qreal pixels(int twips)
{
    return qreal(twips) / numbers::TwipsPerPixel;
}

QTextCharFormat initialFormat()
{
    richtext::CharFormat format;
    format.face = initialFace();
    format.size = InitialSize;
    return richtextdocument::toCharFormat(format);
}

} // namespace

ParagraphBuilder::ParagraphBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(tr("Paragraph Builder"));

    m_editor = new QTextEdit;
    m_editor->setObjectName(QStringLiteral("Text1"));
    formkit::setCaption(m_editor, tr("Paragraph"));
    m_editor->setTabChangesFocus(true);
    m_editor->document()->setDefaultFont(QFont(initialFace(), int(InitialSize)));
    m_editor->setCurrentCharFormat(initialFormat());

    m_bold = toolButton("Command1", tr("B"), tr("Bold"));
    m_italic = toolButton("Command2", tr("I"), tr("Italic"));
    m_underline = toolButton("Command3", tr("U"), tr("Underline"));
    m_strike = toolButton("Command4", tr("S"), tr("Strike-through"));
    QToolButton *bullet = toolButton("Command5", QString(QChar(0x2022)), tr("Bullet"));
    QToolButton *left = toolButton("Command6", tr("Left"), tr("Align Left"));
    QToolButton *centre = toolButton("Command7", tr("Center"), tr("Center"));
    QToolButton *right = toolButton("Command8", tr("Right"), tr("Align All Right"));
    QToolButton *colour = toolButton("Command9", tr("Font Color"), tr("Font Color"));
    QToolButton *selectAll = toolButton("Command10", tr("Select All"), tr("Select All"));
    QToolButton *openFile = toolButton("Command11", tr("Open Text File"), tr("Open Text File"));

    // Each toggle shows its caption in its own style and whether the text
    // at the caret has it.
    auto toggle = [](QToolButton *b, void (QFont::*style)(bool)) {
        QFont font = b->font();
        (font.*style)(true);
        b->setFont(font);
        b->setCheckable(true);
    };
    toggle(m_bold, &QFont::setBold);
    toggle(m_italic, &QFont::setItalic);
    toggle(m_underline, &QFont::setUnderline);
    toggle(m_strike, &QFont::setStrikeOut);

    connectAction(m_bold, [this] {
        QTextCharFormat f;
        f.setFontWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    connectAction(m_italic, [this] {
        QTextCharFormat f;
        f.setFontItalic(m_italic->isChecked());
        mergeFormat(f);
    });
    connectAction(m_underline, [this] {
        QTextCharFormat f;
        f.setFontUnderline(m_underline->isChecked());
        mergeFormat(f);
    });
    connectAction(m_strike, [this] {
        QTextCharFormat f;
        f.setFontStrikeOut(m_strike->isChecked());
        mergeFormat(f);
    });
    connectAction(bullet, [this] { toggleBullets(); });
    connectAction(left, [this] { alignSelection(Qt::AlignLeft | Qt::AlignAbsolute); });
    connectAction(centre, [this] { alignSelection(Qt::AlignHCenter); });
    connectAction(right, [this] { alignAllRight(); });
    connectAction(colour, [this] { chooseColour(); });
    connectAction(selectAll, [this] { m_editor->selectAll(); });
    connectAction(openFile, [this] { openTextFile(); });

    m_fontSize = formkit::listCombo("Combo1", fontSizeItems(), -1);
    m_fontName = formkit::listCombo("Combo2", host.state().fontList, -1);
    m_fontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fontName->setMinimumContentsLength(18);
    connect(m_fontSize, &QComboBox::textActivated, this, [this](const QString &text) {
        fontSizeChosen(text);
        m_editor->setFocus();
    });
    connect(m_fontName, &QComboBox::textActivated, this, [this](const QString &name) {
        fontNameChosen(name);
        m_editor->setFocus();
    });
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &ParagraphBuilder::showFormat);

    auto *styleRow = new QHBoxLayout;
    for (QToolButton *b : {m_bold, m_italic, m_underline, m_strike, bullet})
        styleRow->addWidget(b);
    styleRow->addSpacing(12);
    for (QToolButton *b : {left, centre, right})
        styleRow->addWidget(b);
    styleRow->addSpacing(12);
    styleRow->addWidget(colour);
    styleRow->addStretch(1);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(formkit::captionLabel(tr("Font &Size"), m_fontSize));
    fontRow->addWidget(m_fontSize);
    fontRow->addSpacing(12);
    fontRow->addWidget(formkit::captionLabel(tr("Font &Name"), m_fontName));
    fontRow->addWidget(m_fontName, 1);
    fontRow->addSpacing(12);
    fontRow->addWidget(selectAll);
    fontRow->addWidget(openFile);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(styleRow);
    layout->addLayout(fontRow);
    layout->addWidget(m_editor, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command12", "Command13"));
    // Tab goes as the rows read: the style buttons, the font row, the text.
    QWidget *previous = colour;
    for (QWidget *next : {static_cast<QWidget *>(m_fontSize), static_cast<QWidget *>(m_fontName),
                          static_cast<QWidget *>(selectAll), static_cast<QWidget *>(openFile),
                          static_cast<QWidget *>(m_editor)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    showFormat(m_editor->currentCharFormat());
    m_editor->setFocus();
    resize(640, 420);
}

QToolButton *ParagraphBuilder::toolButton(const char *objectName, const QString &caption,
                                          const QString &name)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(objectName));
    b->setText(caption);
    b->setToolTip(name);
    b->setAccessibleName(name);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(28);
    return b;
}

template <typename Action> void ParagraphBuilder::connectAction(QToolButton *button, Action action)
{
    connect(button, &QToolButton::clicked, this, [this, action] {
        action();
        m_editor->setFocus();
    });
}

richtext::RichText ParagraphBuilder::options() const
{
    return richtextdocument::read(*m_editor->document(), m_editor->currentCharFormat());
}

void ParagraphBuilder::setOptions(const richtext::RichText &text)
{
    richtextdocument::write(*m_editor->document(), text);
    QTextCursor start(m_editor->document());
    m_editor->setTextCursor(start);
    showFormat(m_editor->currentCharFormat());
}

void ParagraphBuilder::accept()
{
    finishOk(buildParagraph(options()));
}

void ParagraphBuilder::reject()
{
    finishCancel();
    host().focusDocument();
}

void ParagraphBuilder::mergeFormat(const QTextCharFormat &format)
{
    m_editor->mergeCurrentCharFormat(format);
}

void ParagraphBuilder::toggleBullets()
{
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    if (cursor.currentList()) {
        // Every selected paragraph leaves its list.
        QTextBlockFormat notListed;
        notListed.setObjectIndex(-1);
        cursor.mergeBlockFormat(notListed);
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
    cursor.endEditBlock();
}

void ParagraphBuilder::alignSelection(Qt::Alignment alignment)
{
    m_editor->setAlignment(alignment);
}

void ParagraphBuilder::alignAllRight()
{
    // Select all, align, deselect: with a cursor of its own, so the caret
    // stays and so does the format chosen for what is typed next.
    QTextCursor all(m_editor->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    all.mergeBlockFormat(right);
    QTextCursor caret = m_editor->textCursor();
    if (caret.hasSelection()) {
        caret.clearSelection();
        m_editor->setTextCursor(caret);
    }
}

void ParagraphBuilder::chooseColour()
{
    const std::optional<qint64> chosen = host().dialogs().colour(this, m_lastColour);
    if (!chosen)
        return;
    m_lastColour = *chosen;
    QTextCharFormat f;
    f.setForeground(formkit::toQColor(*chosen));
    mergeFormat(f);
}

void ParagraphBuilder::fontSizeChosen(const QString &text)
{
    const double points = numbers::leadingNumber(text);
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeFormat(f);
}

void ParagraphBuilder::fontNameChosen(const QString &name)
{
    if (name.isEmpty())
        return;
    QTextCharFormat f;
    f.setFontFamilies(QStringList{name});
    mergeFormat(f);
}

void ParagraphBuilder::openTextFile()
{
    const QString path =
        host().dialogs().openFileName(this, QString(), host().siteFolder(), fileFilter());
    if (path.isEmpty())
        return;
    QFile file(path);
    QByteArray bytes;
    QString error;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        error = QFileInfo(path).isDir() ? tr("It is a folder.") : file.errorString();
    else
        bytes = file.readAll();
    LoadedText loaded;
    if (error.isEmpty()) {
        loaded = readTextFile(QFileInfo(path).fileName(), bytes);
        error = loaded.error;
    }
    if (!loaded.ok) {
        host().dialogs().message(this, tr("Cannot open %1\n%2").arg(path, error));
        return;
    }
    setOptions(loaded.text);
    // Wrap 500 twips before the editor's right edge; no first-line indent,
    // list items indented 200 twips a level.
    QTextDocument *doc = m_editor->document();
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setRightMargin(pixels(500));
    doc->rootFrame()->setFrameFormat(frame);
    doc->setIndentWidth(pixels(200));
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    QTextBlockFormat noIndent;
    noIndent.setTextIndent(0);
    all.mergeBlockFormat(noIndent);
}

void ParagraphBuilder::showFormat(const QTextCharFormat &format)
{
    m_bold->setChecked(format.fontWeight() >= QFont::DemiBold);
    m_italic->setChecked(format.fontItalic());
    m_underline->setChecked(format.fontUnderline());
    m_strike->setChecked(format.fontStrikeOut());
    const qreal points = format.fontPointSize() > 0
                             ? format.fontPointSize()
                             : m_editor->document()->defaultFont().pointSizeF();
    m_fontSize->setCurrentIndex(m_fontSize->findText(numbers::shortestDouble(points)));
    const QStringList families = format.fontFamilies().toStringList();
    const QString face =
        families.isEmpty() ? m_editor->document()->defaultFont().family() : families.first();
    m_fontName->setCurrentIndex(m_fontName->findText(face));
}
