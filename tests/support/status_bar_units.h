// The status bar as the operator reads it: its units, found by their objectNames.
#pragma once

#include "find_unit.h"
#include "ui/elided_label.h"

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace tavro::test {

using namespace Qt::Literals::StringLiterals;

class StatusBarUnits {
public:
    explicit StatusBarUnits(QStatusBar &bar) : m_bar(bar) {}

    // Whole texts: a text cut to fit is whole in its tooltip.
    QString connection() const { return text(u"statusConnection"_s); }
    QString state() const { return text(u"statusJob"_s); }
    QString notice() const { return text(u"statusNotice"_s); }
    QProgressBar &progress() const { return unitIn<QProgressBar>(m_bar, u"statusProgress"_s); }
    // The offer to pick an interrupted job up again.
    QPushButton &resumeButton() const { return unitIn<QPushButton>(m_bar, u"resumeButton"_s); }
    QPushButton &startOverButton() const
    {
        return unitIn<QPushButton>(m_bar, u"startOverButton"_s);
    }
    QPushButton &dismissButton() const { return unitIn<QPushButton>(m_bar, u"dismissButton"_s); }
    bool offerShown() const { return resumeButton().isVisibleTo(&m_bar); }

private:
    QString text(const QString &name) const
    {
        return unitIn<ui::ElidedLabel>(m_bar, name).fullText();
    }

    QStatusBar &m_bar;
};

}  // namespace tavro::test
