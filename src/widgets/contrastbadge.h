// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contrast of a text colour against its background as WCAG 2.x
// measures it, shown beside colour fields with the AA and AAA levels for
// normal text marked passed or failed.

#include <optional>
#include <QLabel>

class ContrastBadge : public QLabel
{
    Q_OBJECT
public:
    // caption: what the pair is, for the badge's accessible name.
    ContrastBadge(const char *objectName, const QString &caption, QWidget *parent = nullptr);

    // Shows the pair's ratio; nothing when either colour is unknown.
    void setColours(std::optional<qint64> text, std::optional<qint64> background);

    // 0 while nothing is shown.
    double ratio() const { return m_ratio; }
    bool passesAA() const;
    bool passesAAA() const;

private:
    QString m_caption;
    double m_ratio = 0;
};
