// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Links: one anchor from the visible tab: a link to a page, a named
// reference, or an e-mail link. The captions start as the document's
// selected text, which the anchor then replaces.

#include "builders/linkslogic.h"
#include "widgets/builderdialog.h"

class QComboBox;
class QLineEdit;
class QTabWidget;

class Links : public BuilderDialog
{
    Q_OBJECT
public:
    explicit Links(BuilderHost &host);
    // A non-empty fileName goes into the three address boxes (URL,
    // Reference Text, E-mail address).
    static Links *open(BuilderHost &host, const QString &fileName = QString());

    links::LinksOptions options() const;
    void setOptions(const links::LinksOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;
    void setAddress(const QString &fileName);

    void accept() override;

private:
    QWidget *buildLinkPage();
    QWidget *buildReferencePage();
    QWidget *buildEmailPage();

    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_url = nullptr;
    QLineEdit *m_linkCaption = nullptr;
    QComboBox *m_target = nullptr;
    QLineEdit *m_toolTip = nullptr;
    QLineEdit *m_referenceName = nullptr;
    QLineEdit *m_referenceText = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_emailCaption = nullptr;
};
