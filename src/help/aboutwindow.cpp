// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/aboutwindow.h"

#include "help/sysreport.h"
#include "widgets/formkit.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *line(const char *name, const QString &text, int growPoints, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + growPoints);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPlainTextEdit *readOnlyText(const char *name, const QString &caption, const QString &text,
                             QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setPlainText(text);
    box->setTabChangesFocus(true);
    formkit::setCaption(box, caption);
    return box;
}

} // namespace

AboutWindow::AboutWindow(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form31"));
    setWindowTitle(tr("About"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(line("Label1", tr("Lorimel  3.0"), 10, true, this));
    layout->addWidget(line("Label2", tr("HTML Authoring System"), 3, true, this));
    layout->addWidget(line("Label3", tr("Made for Linux with C++ and Qt"), 0, false, this));
    QLabel *licence = line("Licence",
                           tr("Free software under the GNU General Public License, version 3 "
                              "or any later version (GPL-3.0-or-later)."),
                           -1, false, this);
    licence->setWordWrap(true);
    layout->addWidget(licence);
    layout->addSpacing(6);
    layout->addWidget(
        line("Label4", tr("ActiveX and VBScript are trademarks of Microsoft"), -1, false, this));

    QPlainTextEdit *disclaimerBox = readOnlyText("Text1", tr("Disclaimer"), disclaimer(), this);
    disclaimerBox->setFixedHeight(disclaimerBox->fontMetrics().lineSpacing() * 6 + 12);
    layout->addWidget(disclaimerBox);

    QString report = sysreport::build(sysreport::readSystem());
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit *reportBox =
        readOnlyText("Text2", tr("About Your System"), report.trimmed(), this);
    reportBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reportBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportBox->setMinimumHeight(reportBox->fontMetrics().lineSpacing() * 10 + 16);
    reportBox->setMinimumWidth(reportBox->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 64);
    layout->addWidget(reportBox, 1);

    QDialogButtonBox *buttons = formkit::buttonRow(
        this, {{"Command1", tr("&OK"), QDialogButtonBox::AcceptRole}}, "Command1");
    layout->addWidget(buttons);
    buttons->buttons().constFirst()->setFocus();
}

QString AboutWindow::disclaimer()
{
    return QStringLiteral(
        "This program is provided \"as is\", without warranty of any kind, express or implied, "
        "including but not limited to the warranties of merchantability, fitness for a "
        "particular purpose and non-infringement. In no event shall the authors be liable for "
        "any claim, damages or other liability, whether in an action of contract, tort or "
        "otherwise, arising from, out of or in connection with the program or its use. Keep "
        "copies of your web pages: you use this program at your own risk.");
}
